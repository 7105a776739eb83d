#include "text/date_time.h"

namespace vcom::text {

namespace {

struct Ymd {
    std::int64_t y;
    unsigned m, d;
};

// Inverse of daysFromCivil.
Ymd civilFromDays(std::int64_t z) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t y = static_cast<std::int64_t>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    return {y + (m <= 2), m, d};
}

}  // namespace

CivilTime toCivil(std::int64_t ticks) {
    const std::int64_t seconds = clampTicks(ticks) / kTicksPerSecond;
    const std::int64_t days = seconds / kSecondsPerDay;
    const std::int64_t secondOfDay = seconds % kSecondsPerDay;
    const Ymd ymd = civilFromDays(days - kUnixEpochSeconds / kSecondsPerDay);
    CivilTime t;
    t.year = static_cast<int>(ymd.y);
    t.month = static_cast<int>(ymd.m);
    t.day = static_cast<int>(ymd.d);
    t.hour = static_cast<int>(secondOfDay / 3600);
    t.minute = static_cast<int>(secondOfDay / 60 % 60);
    t.second = static_cast<int>(secondOfDay % 60);
    return t;
}

std::int64_t ticksFromSecondsClamped(std::int64_t seconds) {
    if (seconds <= 0) return 0;
    if (seconds > kMaxSeconds) return DateTime::kMaxTicks;
    return seconds * kTicksPerSecond;
}

std::int64_t clampTicks(std::int64_t ticks) {
    if (ticks < DateTime::kMinTicks) return DateTime::kMinTicks;
    if (ticks > DateTime::kMaxTicks) return DateTime::kMaxTicks;
    return ticks;
}

DateTime wallClockPlusSeconds(const CivilTime& base, std::int64_t seconds) {
    const std::int64_t start = secondsFromCivil(base);
    std::int64_t total;
    if (seconds > kMaxSeconds - start) {
        total = kMaxSeconds + 1;  // past the end: clamps to the last tick
    } else if (seconds < -start) {
        total = 0;
    } else {
        total = start + seconds;
    }
    return DateTime{ticksFromSecondsClamped(total), false};
}

}  // namespace vcom::text
