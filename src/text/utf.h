#pragma once
// Conversions between the library's UTF-16 text and UTF-8 bytes.

#include <string>
#include <string_view>

namespace vcom::text {

// UTF-16 to UTF-8; a lone surrogate becomes U+FFFD.
std::string toUtf8(std::u16string_view text);
// Appends the UTF-8 form of `text` to `out` (same rules as toUtf8).
void appendUtf8(std::string& out, std::u16string_view text);
// UTF-8 to UTF-16; each invalid or truncated sequence becomes U+FFFD.
std::u16string fromUtf8(std::string_view bytes);
// Decodes bytes whose leading byte-order mark, if any, picks the encoding
// (UTF-8, UTF-16 LE/BE, UTF-32 LE/BE); without one they are UTF-8. The
// mark itself is not part of the text.
std::u16string decodeWithByteOrderMark(std::string_view bytes);
// Length of a NUL-terminated UTF-16 string, 0 for null.
std::size_t lengthOf(const char16_t* text);

// Replaces each lone surrogate by U+FFFD.
std::u16string sanitizeUtf16(std::u16string_view text);

}  // namespace vcom::text
