#include "text/utf.h"

#include <cstdint>

namespace vcom::text {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool isHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool isLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

void appendCodePoint(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

void appendUtf16(std::u16string& out, char32_t cp) {
    if (cp >= 0x10000) {
        cp -= 0x10000;
        out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
        out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    } else {
        out.push_back(static_cast<char16_t>(cp));
    }
}

std::u16string fromUtf16Bytes(std::string_view bytes, bool bigEndian) {
    std::u16string units;
    units.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        auto b0 = static_cast<std::uint8_t>(bytes[i]);
        auto b1 = static_cast<std::uint8_t>(bytes[i + 1]);
        units.push_back(static_cast<char16_t>(bigEndian ? (b0 << 8 | b1) : (b1 << 8 | b0)));
    }
    if (bytes.size() % 2 != 0) units.push_back(static_cast<char16_t>(kReplacement));
    return sanitizeUtf16(units);
}

std::u16string fromUtf32Bytes(std::string_view bytes, bool bigEndian) {
    std::u16string out;
    out.reserve(bytes.size() / 4);
    for (std::size_t i = 0; i + 3 < bytes.size(); i += 4) {
        std::uint32_t b[4];
        for (int k = 0; k < 4; ++k) b[k] = static_cast<std::uint8_t>(bytes[i + k]);
        char32_t cp = bigEndian ? (b[0] << 24 | b[1] << 16 | b[2] << 8 | b[3])
                                : (b[3] << 24 | b[2] << 16 | b[1] << 8 | b[0]);
        if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = kReplacement;
        appendUtf16(out, cp);
    }
    if (bytes.size() % 4 != 0) out.push_back(static_cast<char16_t>(kReplacement));
    return out;
}

bool startsWith(std::string_view s, std::string_view prefix) {
    return s.substr(0, prefix.size()) == prefix;
}

}  // namespace

void appendUtf8(std::string& out, std::u16string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        char16_t c = text[i];
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
            continue;
        }
        char32_t cp = c;
        if (isHighSurrogate(c)) {
            if (i + 1 < text.size() && isLowSurrogate(text[i + 1])) {
                cp = 0x10000 + ((static_cast<char32_t>(c) - 0xD800) << 10) +
                     (static_cast<char32_t>(text[i + 1]) - 0xDC00);
                ++i;
            } else {
                cp = kReplacement;
            }
        } else if (isLowSurrogate(c)) {
            cp = kReplacement;
        }
        appendCodePoint(out, cp);
    }
}

std::string toUtf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    appendUtf8(out, text);
    return out;
}

std::u16string fromUtf8(std::string_view bytes) {
    std::u16string out;
    out.reserve(bytes.size());
    std::size_t i = 0;
    const std::size_t n = bytes.size();
    while (i < n) {
        auto b0 = static_cast<std::uint8_t>(bytes[i]);
        if (b0 < 0x80) {
            out.push_back(b0);
            ++i;
            continue;
        }
        int length = 0;
        char32_t cp = 0;
        char32_t minimum = 0;
        if ((b0 & 0xE0) == 0xC0) {
            length = 2, cp = b0 & 0x1F, minimum = 0x80;
        } else if ((b0 & 0xF0) == 0xE0) {
            length = 3, cp = b0 & 0x0F, minimum = 0x800;
        } else if ((b0 & 0xF8) == 0xF0) {
            length = 4, cp = b0 & 0x07, minimum = 0x10000;
        } else {
            out.push_back(static_cast<char16_t>(kReplacement));
            ++i;
            continue;
        }
        int taken = 1;
        bool valid = true;
        for (; taken < length; ++taken) {
            if (i + taken >= n) {
                valid = false;
                break;
            }
            auto b = static_cast<std::uint8_t>(bytes[i + taken]);
            if ((b & 0xC0) != 0x80) {
                valid = false;
                break;
            }
            cp = (cp << 6) | (b & 0x3F);
        }
        if (!valid || cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
            out.push_back(static_cast<char16_t>(kReplacement));
            i += valid ? length : taken;
            continue;
        }
        appendUtf16(out, cp);
        i += length;
    }
    return out;
}

std::u16string decodeWithByteOrderMark(std::string_view bytes) {
    if (startsWith(bytes, "\xEF\xBB\xBF")) return fromUtf8(bytes.substr(3));
    if (startsWith(bytes, std::string_view("\xFF\xFE\x00\x00", 4))) return fromUtf32Bytes(bytes.substr(4), false);
    if (startsWith(bytes, std::string_view("\x00\x00\xFE\xFF", 4))) return fromUtf32Bytes(bytes.substr(4), true);
    if (startsWith(bytes, "\xFF\xFE")) return fromUtf16Bytes(bytes.substr(2), false);
    if (startsWith(bytes, "\xFE\xFF")) return fromUtf16Bytes(bytes.substr(2), true);
    return fromUtf8(bytes);
}

std::size_t lengthOf(const char16_t* text) {
    if (!text) return 0;
    std::size_t n = 0;
    while (text[n] != 0) ++n;
    return n;
}

std::u16string sanitizeUtf16(std::u16string_view text) {
    std::u16string out(text);
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (isHighSurrogate(out[i]) && i + 1 < out.size() && isLowSurrogate(out[i + 1])) {
            ++i;
        } else if (isHighSurrogate(out[i]) || isLowSurrogate(out[i])) {
            out[i] = static_cast<char16_t>(kReplacement);
        }
    }
    return out;
}

}  // namespace vcom::text
