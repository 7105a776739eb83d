#include "text/number_format.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <system_error>

namespace vcom::text {

namespace {

constexpr int kSignificantDigits = 15;
constexpr int kLowestFixedExponent = -4;
constexpr int kFirstExponentForm = 15;

// The general form of a finite value with '.' and a leading '-'; returns the
// length written into buf (at most 32 characters are ever needed).
std::size_t formatFinite(double value, char* buf) {
    if (value == 0) {  // also negative zero
        buf[0] = '0';
        return 1;
    }
    char sci[40];
    auto [end, ec] = std::to_chars(sci, sci + sizeof sci, value, std::chars_format::scientific,
                                   kSignificantDigits - 1);
    (void)ec;  // 40 bytes always suffice for 15 digits
    const char* p = sci;
    std::size_t n = 0;
    if (*p == '-') {
        buf[n++] = '-';
        ++p;
    }
    char digits[kSignificantDigits];
    int count = 0;
    for (; p < end && *p != 'e'; ++p) {
        if (*p != '.') digits[count++] = *p;
    }
    int exponent = 0;
    std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), end, exponent);
    while (count > 1 && digits[count - 1] == '0') --count;

    if (exponent < kLowestFixedExponent || exponent >= kFirstExponentForm) {
        buf[n++] = digits[0];
        if (count > 1) {
            buf[n++] = '.';
            for (int i = 1; i < count; ++i) buf[n++] = digits[i];
        }
        buf[n++] = 'E';
        buf[n++] = exponent < 0 ? '-' : '+';
        int magnitude = std::abs(exponent);
        if (magnitude < 10) buf[n++] = '0';
        auto r = std::to_chars(buf + n, buf + n + 4, magnitude);
        n = static_cast<std::size_t>(r.ptr - buf);
    } else if (exponent >= 0) {
        for (int i = 0; i <= exponent; ++i) buf[n++] = i < count ? digits[i] : '0';
        if (count > exponent + 1) {
            buf[n++] = '.';
            for (int i = exponent + 1; i < count; ++i) buf[n++] = digits[i];
        }
    } else {
        buf[n++] = '0';
        buf[n++] = '.';
        for (int i = -1; i > exponent; --i) buf[n++] = '0';
        for (int i = 0; i < count; ++i) buf[n++] = digits[i];
    }
    return n;
}

std::u16string styled(std::string_view ascii, const NumberStyle& style) {
    std::u16string out;
    out.reserve(ascii.size() + 2);
    for (std::size_t i = 0; i < ascii.size(); ++i) {
        const char c = ascii[i];
        if (c == '-' && i == 0) {  // the number's sign, not the exponent's
            out += style.negativeSign;
        } else if (c == '.') {
            out += style.decimalSeparator;
        } else {
            out.push_back(static_cast<char16_t>(c));
        }
    }
    return out;
}

}  // namespace

void appendDouble(std::string& out, double value) {
    if (std::isnan(value)) {
        out += "NaN";
    } else if (std::isinf(value)) {
        out += value > 0 ? "Infinity" : "-Infinity";
    } else {
        char buf[40];
        out.append(buf, formatFinite(value, buf));
    }
}

void appendInteger(std::string& out, std::int64_t value) {
    char buf[24];
    auto r = std::to_chars(buf, buf + sizeof buf, value);
    out.append(buf, r.ptr);
}

std::u16string formatDouble(double value, const NumberStyle& style) {
    if (std::isnan(value)) return std::u16string(style.nanSymbol);
    if (std::isinf(value)) {
        return std::u16string(value > 0 ? style.positiveInfinitySymbol : style.negativeInfinitySymbol);
    }
    char buf[40];
    return styled(std::string_view(buf, formatFinite(value, buf)), style);
}

std::u16string formatInteger(std::int64_t value, const NumberStyle& style) {
    char buf[24];
    auto r = std::to_chars(buf, buf + sizeof buf, value);
    return styled(std::string_view(buf, static_cast<std::size_t>(r.ptr - buf)), style);
}

}  // namespace vcom::text
