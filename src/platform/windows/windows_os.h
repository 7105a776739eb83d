#pragma once
// The Windows table of operating-system calls. Each group of calls is
// defined in the file of its name.

#include <memory>

#include "platform/platform.h"

namespace vcom::platform {

class WinHttpSession;

class WindowsOs final : public Os {
public:
    WindowsOs();
    ~WindowsOs() override;

    void* allocateResult(std::size_t bytes) override;
    void freeResult(void* p) override;

    std::u16string ansiToUtf16(std::string_view bytes) override;
    std::string utf16ToAnsi(std::u16string_view text) override;

    char16_t pathSeparator() override;
    std::u16string roamingAppDataFolder() override;
    bool isDirectory(const std::u16string& path) override;
    bool isFile(const std::u16string& path) override;
    bool createDirectories(const std::u16string& path) override;
    std::optional<std::string> readFile(const std::u16string& path) override;
    bool createEmptyFile(const std::u16string& path) override;
    bool replaceFile(const std::u16string& path, std::string_view content) override;

    std::array<std::uint8_t, 16> newGuid() override;

    bool networkAvailable() override;
    std::vector<NetworkInterface> networkInterfaces() override;

    HttpResponse httpPost(const HttpRequest& request) override;

    std::shared_ptr<const TimeZone> localTimeZone() override;
    std::shared_ptr<const TimeZone> easternTimeZone() override;

    LocaleFormat userLocale() override;

private:
    // One WinHTTP session for every post, so connections can be kept.
    std::unique_ptr<WinHttpSession> mHttp;
};

}  // namespace vcom::platform
