#pragma once
// Bounds of one post to the service. The defaults are generous enough for
// a slow link yet keep a dead service from blocking a host for ever; tests
// shorten them with a scoped override.

#include <chrono>
#include <cstddef>

namespace vcom::link {

struct LinkTimeouts {
    std::chrono::milliseconds connect;
    std::chrono::milliseconds send;     // longest wait without progress while sending
    std::chrono::milliseconds receive;  // longest wait without data while receiving
};

inline constexpr LinkTimeouts kDefaultTimeouts{
    std::chrono::seconds(60), std::chrono::seconds(30), std::chrono::seconds(30)};

// Reply bytes kept for evaluation; a real reply is a few dozen bytes, the
// rest of a larger one is read and dropped.
inline constexpr std::size_t kMaxReplyBytes = std::size_t{1} << 20;

// The bounds in force: the defaults unless an override is alive.
LinkTimeouts currentTimeouts();

// Replaces the bounds for its lifetime (library-internal; for tests).
class ScopedTimeoutOverride {
public:
    explicit ScopedTimeoutOverride(LinkTimeouts timeouts);
    ~ScopedTimeoutOverride();
    ScopedTimeoutOverride(const ScopedTimeoutOverride&) = delete;
    ScopedTimeoutOverride& operator=(const ScopedTimeoutOverride&) = delete;

private:
    LinkTimeouts mPrevious;
};

}  // namespace vcom::link
