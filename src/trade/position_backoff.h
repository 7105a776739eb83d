#pragma once
// The failure back-off of position sends: after two failed posts in a row
// the following calls are held back until the counter passes the limit.
// The counter counts calls since the first failed post (0: no failure).

#include <cstdint>

namespace vcom::trade {

struct BackoffCheck {
    bool send = true;
    std::int32_t failCycles = 0;  // the counter after this call's check
};

// The check made before a send builds anything.
BackoffCheck checkPositionBackoff(std::int32_t failCycles, std::int32_t failCyclesUntilRetry);

// The counter after a post that was or was not accepted.
std::int32_t updatePositionBackoff(std::int32_t failCycles, bool accepted);

}  // namespace vcom::trade
