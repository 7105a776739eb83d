#pragma once
/// @file DateTime.h
/// The date-time value carried by order records.

#include <cstdint>

namespace VantorelCom {

/// A count of 100-nanosecond ticks since 0001-01-01 00:00:00 (proleptic
/// Gregorian), valid up to 9999-12-31 23:59:59.9999999, plus a UTC mark.
/// An unmarked value is a wall-clock time without a zone.
struct DateTime {
    static constexpr std::int64_t kTicksPerSecond = 10'000'000;
    static constexpr std::int64_t kMinTicks = 0;
    static constexpr std::int64_t kMaxTicks = 3'155'378'975'999'999'999;

    std::int64_t ticks = 0;
    bool utc = false;

    friend bool operator==(const DateTime&, const DateTime&) = default;
};

}  // namespace VantorelCom
