#pragma once
// Text results of the C functions belong to the caller, who frees them
// with the library's own allocator (CoTaskMemFree on Windows, free on
// Linux). These helpers copy a result and free it.

#include <optional>
#include <string>

#include "VantorelCom2.h"
#include "platform/platform.h"
#include "text/utf.h"

namespace vcom::testing {

inline void freeResult(void* result) { platform::os().freeResult(result); }

// The text of a result, or nothing for a null result.
inline std::optional<std::string> takeResult(char* result) {
    if (!result) return std::nullopt;
    std::string text(result);
    freeResult(result);
    return text;
}

inline std::optional<std::u16string> takeResult(VL_WCHAR* result) {
    if (!result) return std::nullopt;
    std::u16string text(reinterpret_cast<const char16_t*>(result));
    freeResult(result);
    return text;
}

// Results as UTF-16 text ("<null>" for a null result, so that a failed
// comparison names it). 8-bit results are read as UTF-8, the test locale.
inline std::u16string takeAnsi(char* result) {
    const auto bytes = takeResult(result);
    return bytes ? text::fromUtf8(*bytes) : std::u16string(u"<null>");
}

inline std::u16string takeWide(VL_WCHAR* result) { return takeResult(result).value_or(u"<null>"); }

}  // namespace vcom::testing
