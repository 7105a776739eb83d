#include <gtest/gtest.h>

#include <string>

#include "platform/posix/strftime_pattern.h"
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

struct StrftimeCase {
    const char16_t* format;
    const char16_t* twelveHour;
    const char16_t* pattern;
};

TEST(StrftimePattern, TranslatesLocaleFormats) {
    const StrftimeCase cases[] = {
        {u"%m/%d/%Y", u"", u"MM/dd/yyyy"},
        {u"%m/%d/%y", u"", u"MM/dd/yy"},
        {u"%d.%m.%Y", u"", u"dd.MM.yyyy"},
        {u"%Y年%m月%d日", u"", u"yyyy年MM月dd日"},
        {u"%e/%-m/%Y", u"", u"d/M/yyyy"},
        {u"%D", u"", u"MM/dd/yy"},
        {u"%H:%M:%S", u"", u"HH:mm:ss"},
        {u"%T", u"", u"HH:mm:ss"},
        {u"%r", u"%I:%M:%S %p", u"hh:mm:ss tt"},
        {u"%r", u"%r", u"hh:mm:ss tt"},
        {u"%r", u"", u"hh:mm:ss tt"},
        {u"%l:%M %p", u"", u"h:mm tt"},
        {u"%OH.%EY", u"", u"HH.yyyy"},
        {u"%H h %M min", u"", u"HH \\h mm \\min"},
        {u"%A %d 'x' \\ %% %Z", u"", u" dd \\'x\\' \\\\ % "},
        {u"%H%", u"", u"HH"},
    };
    for (const StrftimeCase& c : cases) {
        EXPECT_EQ(vcom::text::toUtf8(vcom::platform::patternFromStrftime(c.format, c.twelveHour)),
                  vcom::text::toUtf8(c.pattern))
            << vcom::text::toUtf8(c.format);
    }
}

TEST(StrftimePattern, TranslatedLiteralsSurviveFormatting) {
    // A locale's literal letters must come out as letters, not as fields.
    const std::u16string pattern = vcom::platform::patternFromStrftime(u"%H h %M 'min' \"s\"");
    EXPECT_EQ(formatDateTimePattern(kMorning, pattern), u"05 h 06 'min' \"s\"");
}

}  // namespace
