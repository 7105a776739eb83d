#include "trade/eastern_time.h"

#include "text/date_time.h"

namespace vcom::trade {

namespace {

using text::kSecondsPerDay;
using text::kTicksPerSecond;
using text::kUnixEpochSeconds;

constexpr std::int64_t kStandardOffset = -5 * 3600;
constexpr std::int64_t kDaylightOffset = -4 * 3600;

// Days since 1970-01-01 of the n-th Sunday (1-based) of a month.
std::int64_t nthSunday(std::int64_t year, unsigned month, int n) {
    const std::int64_t first = text::daysFromCivil(year, month, 1);
    // 1970-01-01 was a Thursday; weekday 0 is Sunday.
    const std::int64_t weekday = ((first + 4) % 7 + 7) % 7;
    return first + (7 - weekday) % 7 + 7 * (n - 1);
}

std::int64_t yearOf(std::int64_t unixSeconds) {
    const std::int64_t ticks = text::clampTicks((unixSeconds + kUnixEpochSeconds) * kTicksPerSecond);
    return text::toCivil(ticks).year;
}

}  // namespace

std::int64_t usEasternOffsetByRule(std::int64_t utcSeconds) {
    // The year of the Eastern wall clock; near New Year both offsets agree.
    const std::int64_t year = yearOf(utcSeconds + kStandardOffset);
    const std::int64_t start = nthSunday(year, 3, 2) * kSecondsPerDay + 2 * 3600 - kStandardOffset;
    const std::int64_t end = nthSunday(year, 11, 1) * kSecondsPerDay + 2 * 3600 - kDaylightOffset;
    return utcSeconds >= start && utcSeconds < end ? kDaylightOffset : kStandardOffset;
}

std::int64_t easternTicks(const VantorelCom::DateTime& dt, const platform::TimeZone* local,
                          const platform::TimeZone* eastern) {
    std::int64_t ticks = text::clampTicks(dt.ticks);
    if (!dt.utc && local) {
        const std::int64_t localSeconds = ticks / kTicksPerSecond - kUnixEpochSeconds;
        ticks = text::clampTicks(ticks - local->offsetForLocal(localSeconds) * kTicksPerSecond);
    }
    const std::int64_t utcSeconds = ticks / kTicksPerSecond - kUnixEpochSeconds;
    const std::int64_t offset = eastern ? eastern->offsetAtUtc(utcSeconds) : usEasternOffsetByRule(utcSeconds);
    return text::clampTicks(ticks + offset * kTicksPerSecond);
}

}  // namespace vcom::trade
