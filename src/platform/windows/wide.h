#pragma once
// The library's UTF-16 text as the wide strings of the Windows API
// (wchar_t is a 16-bit UTF-16 unit there), and the message texts of
// Windows error codes.

#include <windows.h>

#include <string>
#include <string_view>

namespace vcom::platform::win {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "wchar_t is UTF-16 on Windows");

inline const wchar_t* wide(const std::u16string& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }

inline std::wstring toWide(std::u16string_view text) {
    return std::wstring(reinterpret_cast<const wchar_t*>(text.data()), text.size());
}

inline std::u16string fromWide(const wchar_t* text, std::size_t length) {
    return std::u16string(reinterpret_cast<const char16_t*>(text), length);
}

inline std::u16string fromWide(const wchar_t* text) { return text ? fromWide(text, wcslen(text)) : std::u16string(); }

// The system's text for `code`, looked up in `module` when one is given
// (WinHTTP keeps its own message table); trailing line breaks removed.
std::u16string errorText(DWORD code, HMODULE module = nullptr);

}  // namespace vcom::platform::win
