#include "text/date_time_format.h"

namespace vcom::text {

namespace {

void appendNumber(std::u16string& out, int value, std::size_t minDigits) {
    char16_t digits[12];
    std::size_t n = 0;
    unsigned v = value < 0 ? 0u : static_cast<unsigned>(value);
    do {
        digits[n++] = static_cast<char16_t>(u'0' + v % 10);
        v /= 10;
    } while (v != 0);
    for (std::size_t i = n; i < minDigits; ++i) out.push_back(u'0');
    while (n > 0) out.push_back(digits[--n]);
}

bool isField(char16_t c) {
    switch (c) {
        case u'd': case u'M': case u'y': case u'h': case u'H': case u'm': case u's': case u't':
            return true;
        default:
            return false;
    }
}

void appendField(std::u16string& out, char16_t letter, std::size_t run, const CivilTime& t,
                 const DayPeriodNames& names) {
    const std::size_t width = run >= 2 ? 2 : 1;
    switch (letter) {
        case u'd': appendNumber(out, t.day, width); break;
        case u'M': appendNumber(out, t.month, width); break;
        case u'H': appendNumber(out, t.hour, width); break;
        case u'm': appendNumber(out, t.minute, width); break;
        case u's': appendNumber(out, t.second, width); break;
        case u'h': appendNumber(out, t.hour % 12 == 0 ? 12 : t.hour % 12, width); break;
        case u'y':
            if (run <= 2) {
                appendNumber(out, t.year % 100, run);
            } else {
                appendNumber(out, t.year, run < 4 ? 4 : run);
            }
            break;
        case u't': {
            const std::u16string_view name = t.hour < 12 ? names.am : names.pm;
            out += run == 1 ? name.substr(0, 1) : name;
            break;
        }
        default: break;
    }
}

}  // namespace

void appendDateTimePattern(std::u16string& out, const CivilTime& time, std::u16string_view pattern,
                           const DayPeriodNames& names) {
    std::size_t i = 0;
    while (i < pattern.size()) {
        const char16_t c = pattern[i];
        if (isField(c)) {
            std::size_t end = i + 1;
            while (end < pattern.size() && pattern[end] == c) ++end;
            appendField(out, c, end - i, time, names);
            i = end;
        } else if (c == u'\'' || c == u'"') {
            // An unterminated quote runs to the end of the pattern.
            const std::size_t close = pattern.find(c, i + 1);
            const std::size_t stop = close == std::u16string_view::npos ? pattern.size() : close;
            out.append(pattern.substr(i + 1, stop - i - 1));
            i = close == std::u16string_view::npos ? pattern.size() : close + 1;
        } else if (c == u'\\' && i + 1 < pattern.size()) {
            out.push_back(pattern[i + 1]);
            i += 2;
        } else {
            out.push_back(c);
            ++i;
        }
    }
}

std::u16string formatDateTimePattern(const CivilTime& time, std::u16string_view pattern,
                                     const DayPeriodNames& names) {
    std::u16string out;
    out.reserve(pattern.size() + 8);
    appendDateTimePattern(out, time, pattern, names);
    return out;
}

}  // namespace vcom::text
