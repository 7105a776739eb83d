#pragma once
// Calendar arithmetic on the date-time value (ticks since 0001-01-01).

#include <cstdint>

#include "VantorelCom/DateTime.h"

namespace vcom::text {

using VantorelCom::DateTime;

inline constexpr std::int64_t kTicksPerSecond = DateTime::kTicksPerSecond;
inline constexpr std::int64_t kSecondsPerDay = 86'400;
// Seconds from 0001-01-01 to 1970-01-01.
inline constexpr std::int64_t kUnixEpochSeconds = 62'135'596'800;
// The last whole second that has a date: 9999-12-31 23:59:59.
inline constexpr std::int64_t kMaxSeconds = DateTime::kMaxTicks / kTicksPerSecond;

struct CivilTime {
    int year = 1, month = 1, day = 1;
    int hour = 0, minute = 0, second = 0;
};

// Days since 1970-01-01 of a proleptic Gregorian date.
constexpr std::int64_t daysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

// Seconds since 0001-01-01 00:00:00 of a wall-clock time.
constexpr std::int64_t secondsFromCivil(const CivilTime& t) {
    return (daysFromCivil(t.year, static_cast<unsigned>(t.month), static_cast<unsigned>(t.day)) *
                kSecondsPerDay +
            kUnixEpochSeconds) +
           t.hour * 3600 + t.minute * 60 + t.second;
}

// The calendar fields of a tick count (sub-second ticks are dropped).
CivilTime toCivil(std::int64_t ticks);

// Clamps seconds since 0001-01-01 into the valid range and makes ticks.
std::int64_t ticksFromSecondsClamped(std::int64_t seconds);

// Clamps a tick count into the valid range.
std::int64_t clampTicks(std::int64_t ticks);

// An unmarked wall-clock value: `base` plus `seconds`, clamped to the
// valid range (never overflows, whatever `seconds` is).
DateTime wallClockPlusSeconds(const CivilTime& base, std::int64_t seconds);

}  // namespace vcom::text
