// 8-bit and UTF-16 text at the C boundary: any bytes or units convert
// without failing, the results are valid, and a valid text survives the
// round trip unchanged.
#include <cstring>
#include <string>

#include "exports/boundary.h"
#include "fuzz_support.h"
#include "platform/platform.h"
#include "text/utf.h"

using namespace vcom;

namespace {

bool hasLoneSurrogate(std::u16string_view s) {
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char16_t c = s[i];
        if (c >= 0xD800 && c <= 0xDBFF) {
            if (i + 1 < s.size() && s[i + 1] >= 0xDC00 && s[i + 1] <= 0xDFFF) {
                ++i;
                continue;
            }
            return true;
        }
        if (c >= 0xDC00 && c <= 0xDFFF) return true;
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    // UTF-8 bytes: decoding gives valid UTF-16; its UTF-8 is a fixed point.
    const std::u16string decoded = text::fromUtf8(bytes);
    fuzz::require(!hasLoneSurrogate(decoded), "decoded UTF-8 has no lone surrogate");
    const std::string encoded = text::toUtf8(decoded);
    fuzz::require(text::fromUtf8(encoded) == decoded, "valid text survives UTF-8 and back");
    std::string appended = "x";
    text::appendUtf8(appended, decoded);
    fuzz::require(appended == "x" + encoded, "appendUtf8 is toUtf8 appended");
    (void)text::decodeWithByteOrderMark(bytes);

    // UTF-16 units: sanitizing removes every lone surrogate and keeps the length.
    const std::u16string units = fuzz::unitsOf(bytes);
    const std::u16string clean = text::sanitizeUtf16(units);
    fuzz::require(clean.size() == units.size() && !hasLoneSurrogate(clean), "sanitized UTF-16");
    fuzz::require(text::fromUtf8(text::toUtf8(units)) == clean, "UTF-8 of broken UTF-16 is its sanitized form");

    // The boundary: NUL-terminated arguments in, fresh buffers out.
    const std::string ansi(bytes.substr(0, bytes.find('\0')));
    const std::u16string fromAnsi = boundary::fromAnsi(ansi.c_str());
    fuzz::require(!hasLoneSurrogate(fromAnsi), "8-bit argument decodes to valid text");
    char* ansiResult = boundary::toAnsiResult(fromAnsi);
    fuzz::require(ansiResult != nullptr, "8-bit result");
    platform::os().freeResult(ansiResult);

    std::u16string wideArgument(units.substr(0, units.find(u'\0')));
    const std::u16string fromWide = boundary::fromWide(reinterpret_cast<const VL_WCHAR*>(wideArgument.c_str()));
    fuzz::require(fromWide == text::sanitizeUtf16(wideArgument), "UTF-16 argument is sanitized");
    VL_WCHAR* wideResult = boundary::toWideResult(fromWide);
    fuzz::require(wideResult != nullptr, "UTF-16 result");
    fuzz::require(std::u16string(reinterpret_cast<const char16_t*>(wideResult)) == fromWide,
                  "UTF-16 result holds the text");
    platform::os().freeResult(wideResult);
    fuzz::require(boundary::fromAnsi(nullptr).empty() && boundary::fromWide(nullptr).empty(), "null is empty");
    return 0;
}
