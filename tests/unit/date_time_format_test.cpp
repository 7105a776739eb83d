#include <gtest/gtest.h>

#include <string>

#include "text/date_time_format.h"
#include "text/utf.h"

namespace {

using vcom::text::CivilTime;
using vcom::text::formatDateTimePattern;

struct PatternCase {
    const char16_t* pattern;
    CivilTime time;
    const char16_t* expected;
};

constexpr CivilTime kMorning{2007, 3, 4, 5, 6, 7};
constexpr CivilTime kEvening{2024, 11, 23, 21, 45, 59};
constexpr CivilTime kMidnight{2000, 1, 1, 0, 0, 0};
constexpr CivilTime kNoon{2000, 1, 1, 12, 0, 0};
constexpr CivilTime kYearOne{1, 1, 1, 0, 0, 0};

TEST(DateTimePattern, FieldsAndLiterals) {
    const PatternCase cases[] = {
        {u"d dd M MM", kMorning, u"4 04 3 03"},
        {u"d dd M MM", kEvening, u"23 23 11 11"},
        {u"yy yyyy", kMorning, u"07 2007"},
        {u"y yyy yyyyy", kMorning, u"7 2007 02007"},
        {u"yy yyyy", kYearOne, u"01 0001"},
        {u"h hh H HH", kMorning, u"5 05 5 05"},
        {u"h hh H HH", kEvening, u"9 09 21 21"},
        {u"h:mm tt", kMidnight, u"12:00 AM"},
        {u"h:mm tt", kNoon, u"12:00 PM"},
        {u"m mm s ss", kMorning, u"6 06 7 07"},
        {u"t|tt", kEvening, u"P|PM"},
        {u"dddd MMMM", kMorning, u"04 03"},
        {u"'d' \"M\" \\y yyyy", kMorning, u"d M y 2007"},
        {u"'It''s' H", kMorning, u"Its 5"},
        {u"HH 'open", kMorning, u"05 open"},
        {u"yyyy\\", kMorning, u"2007\\"},
        {u"yyyy-MM-ddTHH:mm:ss", kEvening, u"2024-11-23T21:45:59"},
        {u"dd.MM.yyyy г. %d", kMorning, u"04.03.2007 г. %4"},
        {u"", kMorning, u""},
    };
    for (const PatternCase& c : cases) {
        EXPECT_EQ(vcom::text::toUtf8(formatDateTimePattern(c.time, c.pattern)), vcom::text::toUtf8(c.expected))
            << vcom::text::toUtf8(c.pattern);
    }
}

TEST(DateTimePattern, DayPeriodNamesOfTheLocale) {
    const vcom::text::DayPeriodNames names{u"vorm.", u""};
    EXPECT_EQ(formatDateTimePattern(kMorning, u"h tt|t", names), u"5 vorm.|v");
    EXPECT_EQ(formatDateTimePattern(kEvening, u"h tt|t", names), u"9 |");
}

}  // namespace
