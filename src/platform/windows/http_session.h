#pragma once
// The WinHTTP session that every post of the process shares, opened on the
// first post. WinHTTP keeps idle connections per session, so a second post
// to the same service can reuse the first one's connection.

#include <windows.h>
#include <winhttp.h>

#include <mutex>

namespace vcom::platform {

class WinHttpSession {
public:
    WinHttpSession() = default;
    ~WinHttpSession();
    WinHttpSession(const WinHttpSession&) = delete;
    WinHttpSession& operator=(const WinHttpSession&) = delete;

    // The session handle, or null (then GetLastError tells why).
    HINTERNET handle();

private:
    std::mutex mMutex;
    HINTERNET mSession = nullptr;
};

}  // namespace vcom::platform
