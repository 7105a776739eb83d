#include "platform/posix/posix_os.h"

namespace vcom::platform {

// TODO(guid): placeholder.
std::array<std::uint8_t, 16> PosixOs::newGuid() { return {}; }

}  // namespace vcom::platform
