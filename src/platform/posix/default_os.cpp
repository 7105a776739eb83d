#include "platform/posix/posix_os.h"

namespace vcom::platform {

Os& defaultOs() {
    static PosixOs instance;
    return instance;
}

}  // namespace vcom::platform
