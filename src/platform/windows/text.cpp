// 8-bit text in the system's active ANSI code page with the standard
// conversions and their default flags: best fit, else "?".
#include <climits>
#include <stdexcept>

#include "platform/windows/wide.h"
#include "platform/windows/windows_os.h"

namespace vcom::platform {

namespace {

int checkedLength(std::size_t size) {
    if (size > static_cast<std::size_t>(INT_MAX)) throw std::length_error("text too long for the code page conversion");
    return static_cast<int>(size);
}

}  // namespace

std::u16string WindowsOs::ansiToUtf16(std::string_view bytes) {
    if (bytes.empty()) return {};
    const int inLength = checkedLength(bytes.size());
    const int outLength = MultiByteToWideChar(CP_ACP, 0, bytes.data(), inLength, nullptr, 0);
    if (outLength <= 0) return {};
    std::wstring out(static_cast<std::size_t>(outLength), L'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), inLength, out.data(), outLength);
    return win::fromWide(out.data(), out.size());
}

std::string WindowsOs::utf16ToAnsi(std::u16string_view textIn) {
    if (textIn.empty()) return {};
    const std::wstring in = win::toWide(textIn);
    const int inLength = checkedLength(in.size());
    const int outLength = WideCharToMultiByte(CP_ACP, 0, in.data(), inLength, nullptr, 0, nullptr, nullptr);
    if (outLength <= 0) return {};
    std::string out(static_cast<std::size_t>(outLength), '\0');
    WideCharToMultiByte(CP_ACP, 0, in.data(), inLength, out.data(), outLength, nullptr, nullptr);
    return out;
}

}  // namespace vcom::platform
