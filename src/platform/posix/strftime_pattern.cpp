#include "platform/posix/strftime_pattern.h"

namespace vcom::platform {

namespace {

// Characters that the pattern grammar would read as fields or quoting.
bool needsEscape(char16_t c) {
    switch (c) {
        case u'd': case u'M': case u'y': case u'h': case u'H': case u'm': case u's': case u't':
        case u'\'': case u'"': case u'\\':
            return true;
        default:
            return false;
    }
}

void appendLiteral(std::u16string& out, std::u16string_view literal) {
    for (char16_t c : literal) {
        if (needsEscape(c)) out.push_back(u'\\');
        out.push_back(c);
    }
}

void translate(std::u16string& out, std::u16string_view format, std::u16string_view twelveHour, int depth) {
    std::size_t i = 0;
    while (i < format.size()) {
        const std::size_t percent = format.find(u'%', i);
        const std::size_t stop = percent == std::u16string_view::npos ? format.size() : percent;
        if (stop > i) appendLiteral(out, format.substr(i, stop - i));
        if (percent == std::u16string_view::npos) return;
        i = percent + 1;
        bool unpadded = false;
        while (i < format.size() && (format[i] == u'-' || format[i] == u'_' || format[i] == u'0' ||
                                     format[i] == u'^' || format[i] == u'#')) {
            unpadded = unpadded || format[i] == u'-' || format[i] == u'_';
            ++i;
        }
        if (i < format.size() && (format[i] == u'E' || format[i] == u'O')) ++i;  // alternative forms
        if (i >= format.size()) return;
        const char16_t conversion = format[i++];
        switch (conversion) {
            case u'd': out += unpadded ? u"d" : u"dd"; break;
            case u'e': out += u"d"; break;
            case u'm': out += unpadded ? u"M" : u"MM"; break;
            case u'y': out += u"yy"; break;
            case u'Y': out += u"yyyy"; break;
            case u'H': out += unpadded ? u"H" : u"HH"; break;
            case u'k': out += u"H"; break;
            case u'I': out += unpadded ? u"h" : u"hh"; break;
            case u'l': out += u"h"; break;
            case u'M': out += unpadded ? u"m" : u"mm"; break;
            case u'S': out += unpadded ? u"s" : u"ss"; break;
            case u'p': case u'P': out += u"tt"; break;
            case u'D': out += u"MM/dd/yy"; break;
            case u'F': out += u"yyyy-MM-dd"; break;
            case u'T': out += u"HH:mm:ss"; break;
            case u'R': out += u"HH:mm"; break;
            case u'r':
                // The locale's own 12-hour form, which must not name %r again.
                if (depth == 0 && !twelveHour.empty()) {
                    translate(out, twelveHour, {}, depth + 1);
                } else {
                    out += u"hh:mm:ss tt";
                }
                break;
            case u'%': out.push_back(u'%'); break;
            case u'n': out.push_back(u'\n'); break;
            case u't': out.push_back(u'\t'); break;
            default: break;
        }
    }
}

}  // namespace

std::u16string patternFromStrftime(std::u16string_view format, std::u16string_view twelveHourFormat) {
    std::u16string out;
    out.reserve(format.size() * 2);
    translate(out, format, twelveHourFormat, 0);
    return out;
}

}  // namespace vcom::platform
