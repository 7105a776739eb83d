#include "platform/platform.h"

#include <atomic>

namespace vcom::platform {

namespace {
std::atomic<Os*> gInstalled{nullptr};
}

Os& os() {
    Os* installed = gInstalled.load(std::memory_order_acquire);
    return installed ? *installed : defaultOs();
}

void installOs(Os* replacement) { gInstalled.store(replacement, std::memory_order_release); }

}  // namespace vcom::platform
