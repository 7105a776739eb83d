#include "manager/process_lock.h"

namespace vcom {

std::recursive_mutex& processMutex() {
    static std::recursive_mutex mutex;  // constructed on first use, never destroyed early
    return mutex;
}

}  // namespace vcom
