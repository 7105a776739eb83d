#include "platform/posix/posix_os.h"

namespace vcom::platform {

// TODO(locale): placeholder.
LocaleFormat PosixOs::userLocale() { return {}; }

}  // namespace vcom::platform
