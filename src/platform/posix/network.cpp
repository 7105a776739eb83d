#include "platform/posix/posix_os.h"

namespace vcom::platform {

// TODO(network): placeholders.
bool PosixOs::networkAvailable() { return false; }
std::vector<NetworkInterface> PosixOs::networkInterfaces() { return {}; }

}  // namespace vcom::platform
