#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "text/number_format.h"

namespace {

using vcom::text::formatDouble;

struct DoubleCase {
    double value;
    const char16_t* expected;
};

TEST(NumberFormat, InvariantGeneralForm) {
    const DoubleCase cases[] = {
        {0.1, u"0.1"},
        {100, u"100"},
        {100.0, u"100"},
        {101.25, u"101.25"},
        {1.5, u"1.5"},
        {1.0 / 3, u"0.333333333333333"},
        {2.0 / 3, u"0.666666666666667"},
        {0.1 + 0.2, u"0.3"},
        {123456789.123456789, u"123456789.123457"},
        {0.0001, u"0.0001"},
        {0.00001, u"1E-05"},
        {0.000015, u"1.5E-05"},
        {1e14, u"100000000000000"},
        {1e15, u"1E+15"},
        {1.5e15, u"1.5E+15"},
        {-0.0, u"0"},
        {-2.5, u"-2.5"},
        {999999999999999.9, u"1E+15"},
        {1e308, u"1E+308"},
        {5e-324, u"4.94065645841247E-324"},
        {std::numeric_limits<double>::quiet_NaN(), u"NaN"},
        {std::numeric_limits<double>::infinity(), u"Infinity"},
        {-std::numeric_limits<double>::infinity(), u"-Infinity"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formatDouble(c.value), c.expected) << c.value;
    }
}

TEST(NumberFormat, LocaleStyleReplacesSeparatorAndSign) {
    vcom::text::NumberStyle german;
    german.decimalSeparator = u",";
    german.negativeSign = u"\u2212";
    EXPECT_EQ(formatDouble(12.5, german), u"12,5");
    EXPECT_EQ(formatDouble(-0.00001, german), u"\u22121E-05");
    EXPECT_EQ(vcom::text::formatInteger(-42, german), u"\u221242");
}

TEST(NumberFormat, IntegersUseAsciiMinusInDocuments) {
    std::string out;
    vcom::text::appendInteger(out, std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(out, "-9223372036854775808");
}

}  // namespace
