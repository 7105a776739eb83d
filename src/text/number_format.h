#pragma once
// The one number formatter: integers and the 15-significant-digit general
// form of doubles, in the invariant style of service documents or in a
// locale's style for log lines.

#include <cstdint>
#include <string>
#include <string_view>

namespace vcom::text {

struct NumberStyle {
    std::u16string_view decimalSeparator = u".";
    std::u16string_view negativeSign = u"-";
    std::u16string_view nanSymbol = u"NaN";
    std::u16string_view positiveInfinitySymbol = u"Infinity";
    std::u16string_view negativeInfinitySymbol = u"-Infinity";
};

// The invariant style of documents: ".", ASCII "-", NaN, Infinity, -Infinity.
inline constexpr NumberStyle kInvariantStyle{};

// Appends the invariant general form of `value` (ASCII) to `out`:
// 15 significant digits, trailing zeros dropped, exponent form (1E-05,
// 1.5E+15) below 1E-04 and from 1E+15, "0" for negative zero.
void appendDouble(std::string& out, double value);
// Appends the decimal form of `value` with an ASCII "-" (ASCII) to `out`.
void appendInteger(std::string& out, std::int64_t value);

// The same forms as UTF-16 text in a given style.
std::u16string formatDouble(double value, const NumberStyle& style = kInvariantStyle);
std::u16string formatInteger(std::int64_t value, const NumberStyle& style = kInvariantStyle);

}  // namespace vcom::text
