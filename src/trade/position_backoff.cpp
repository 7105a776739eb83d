#include "trade/position_backoff.h"

namespace vcom::trade {

BackoffCheck checkPositionBackoff(std::int32_t failCycles, std::int32_t failCyclesUntilRetry) {
    if (failCycles <= 0) return {true, failCycles};
    // 64-bit so that a counter at INT32_MAX moves on without overflow; the
    // value is only kept when it is below 3 or at most the limit.
    const std::int64_t counted = std::int64_t{failCycles} + 1;
    if (counted < 3) return {true, static_cast<std::int32_t>(counted)};
    if (counted <= failCyclesUntilRetry) return {false, static_cast<std::int32_t>(counted)};
    return {true, 0};
}

std::int32_t updatePositionBackoff(std::int32_t failCycles, bool accepted) {
    if (accepted) return 0;
    return failCycles == 0 ? 1 : failCycles;
}

}  // namespace vcom::trade
