#include <string>

#include "platform/windows/wide.h"

namespace vcom::platform::win {

std::u16string errorText(DWORD code, HMODULE module) {
    DWORD flags = FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_IGNORE_INSERTS |
                  (module ? FORMAT_MESSAGE_FROM_HMODULE : FORMAT_MESSAGE_FROM_SYSTEM);
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(flags, module, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::u16string text;
    if (length > 0 && buffer) text = fromWide(buffer, length);
    if (buffer) LocalFree(buffer);
    while (!text.empty() && (text.back() == u'\r' || text.back() == u'\n' || text.back() == u' ' || text.back() == u'.'))
        text.pop_back();
    const std::string number = std::to_string(code);
    std::u16string suffix(number.begin(), number.end());
    if (text.empty()) return u"error " + suffix;
    return text + u" (" + suffix + u")";
}

}  // namespace vcom::platform::win
