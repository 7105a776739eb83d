#include "platform/windows/http_session.h"
#include "platform/windows/windows_os.h"

namespace vcom::platform {

WindowsOs::WindowsOs() : mHttp(std::make_unique<WinHttpSession>()) {}
WindowsOs::~WindowsOs() = default;

Os& defaultOs() {
    static WindowsOs instance;
    return instance;
}

}  // namespace vcom::platform
