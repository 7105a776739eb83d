#include "link/link_settings.h"

#include <mutex>

namespace vcom::link {

namespace {

std::mutex& timeoutsMutex() {
    static std::mutex m;
    return m;
}

LinkTimeouts& timeoutsInForce() {
    static LinkTimeouts timeouts = kDefaultTimeouts;
    return timeouts;
}

}  // namespace

LinkTimeouts currentTimeouts() {
    std::lock_guard lock(timeoutsMutex());
    return timeoutsInForce();
}

ScopedTimeoutOverride::ScopedTimeoutOverride(LinkTimeouts timeouts) : mPrevious(kDefaultTimeouts) {
    std::lock_guard lock(timeoutsMutex());
    mPrevious = timeoutsInForce();
    timeoutsInForce() = timeouts;
}

ScopedTimeoutOverride::~ScopedTimeoutOverride() {
    std::lock_guard lock(timeoutsMutex());
    timeoutsInForce() = mPrevious;
}

}  // namespace vcom::link
