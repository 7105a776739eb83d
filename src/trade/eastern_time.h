#pragma once
// The time that order documents carry: a date-time as the tick count of the
// same instant on a US Eastern wall clock.

#include <cstdint>

#include "VantorelCom/DateTime.h"
#include "platform/platform.h"

namespace vcom::trade {

// A UTC-marked `dt` is the instant itself; an unmarked one is a wall-clock
// time of `local` (UTC when `local` is null). The result stays within
// [0, DateTime::kMaxTicks]; sub-second ticks are kept. A null `eastern`
// falls back to the current US rules computed here.
std::int64_t easternTicks(const VantorelCom::DateTime& dt, const platform::TimeZone* local,
                          const platform::TimeZone* eastern);

// Seconds east of UTC in US Eastern time at a UTC instant (seconds since
// 1970) under the rules in force since 2007, applied to every year:
// UTC-4 from the second Sunday of March 2:00 standard time to the first
// Sunday of November 2:00 daylight time, UTC-5 otherwise.
std::int64_t usEasternOffsetByRule(std::int64_t utcSeconds);

}  // namespace vcom::trade
