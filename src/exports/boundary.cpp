#include "exports/boundary.h"

#include <cstring>

#include "platform/platform.h"
#include "text/utf.h"

namespace vcom::boundary {

static_assert(sizeof(VL_WCHAR) == sizeof(char16_t), "UTF-16 code units at the boundary");

std::u16string fromAnsi(const char* text) {
    if (!text) return {};
    return platform::os().ansiToUtf16(std::string_view(text));
}

std::u16string fromWide(const VL_WCHAR* text) {
    if (!text) return {};
    const auto* units = reinterpret_cast<const char16_t*>(text);
    return text::sanitizeUtf16(std::u16string_view(units, text::lengthOf(units)));
}

char* toAnsiResult(std::u16string_view text) noexcept {
    try {
        const std::string bytes = platform::os().utf16ToAnsi(text);
        auto* out = static_cast<char*>(platform::os().allocateResult(bytes.size() + 1));
        if (!out) return nullptr;
        std::memcpy(out, bytes.data(), bytes.size());
        out[bytes.size()] = '\0';
        return out;
    } catch (...) {
        auto* out = static_cast<char*>(platform::os().allocateResult(1));
        if (out) out[0] = '\0';
        return out;
    }
}

VL_WCHAR* toWideResult(std::u16string_view text) noexcept {
    const std::size_t count = text.size() + 1;
    auto* out = static_cast<VL_WCHAR*>(platform::os().allocateResult(count * sizeof(VL_WCHAR)));
    if (!out) return nullptr;
    std::memcpy(out, text.data(), text.size() * sizeof(VL_WCHAR));
    out[text.size()] = 0;
    return out;
}

}  // namespace vcom::boundary
