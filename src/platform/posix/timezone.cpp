#include "platform/posix/posix_os.h"

namespace vcom::platform {

// TODO(timezone): placeholders.
std::shared_ptr<const TimeZone> PosixOs::localTimeZone() { return nullptr; }
std::shared_ptr<const TimeZone> PosixOs::easternTimeZone() { return nullptr; }

}  // namespace vcom::platform
