// Time zones from the Windows registry of zones. The rules of a year come
// from GetTimeZoneInformationForYear; the conversion applies them itself,
// since not every Windows (nor Wine) has the Ex conversion functions.
#include <map>
#include <mutex>
#include <optional>

#include "platform/windows/wide.h"
#include "platform/windows/windows_os.h"
#include "platform/windows/windows_time_zone.h"

namespace vcom::platform {

namespace {

constexpr std::int64_t kSecondsPerDay = 86400;

std::int64_t floorDiv(std::int64_t a, std::int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

// Days since 1970-01-01 of a civil date, and back (proleptic Gregorian).
std::int64_t daysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = floorDiv(y, 400);
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

std::int64_t yearOfDays(std::int64_t z) {
    z += 719468;
    const std::int64_t era = floorDiv(z, 146097);
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned m = mp + (mp < 10 ? 3 : -9);
    return static_cast<std::int64_t>(yoe) + era * 400 + (m <= 2);
}

std::int64_t yearOfSeconds(std::int64_t seconds) { return yearOfDays(floorDiv(seconds, kSecondsPerDay)); }

unsigned daysInMonth(std::int64_t y, unsigned m) {
    static constexpr unsigned kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    return m == 2 && leap ? 29 : kDays[m - 1];
}

// The wall-clock second of a transition in `year`: either a fixed date
// (wYear set) or "the n-th weekday of the month", n = 5 being the last.
std::int64_t transitionLocalSeconds(const SYSTEMTIME& t, std::int64_t year) {
    std::int64_t day;
    if (t.wYear != 0) {
        day = daysFromCivil(year, t.wMonth, t.wDay);
    } else {
        const std::int64_t first = daysFromCivil(year, t.wMonth, 1);
        const int firstWeekday = static_cast<int>(((first + 4) % 7 + 7) % 7);  // 1970-01-01 was a Thursday
        int offset = (static_cast<int>(t.wDayOfWeek) - firstWeekday + 7) % 7;
        offset += 7 * (static_cast<int>(t.wDay) - 1);
        while (offset >= static_cast<int>(daysInMonth(year, t.wMonth))) offset -= 7;
        day = first + offset;
    }
    // Some zones end a rule at 23:59:59.999: count the milliseconds up.
    return day * kSecondsPerDay + t.wHour * 3600 + t.wMinute * 60 + t.wSecond + (t.wMilliseconds + 999) / 1000;
}

struct YearRules {
    std::int64_t standardOffset = 0;  // seconds east of UTC
    std::int64_t daylightOffset = 0;
    bool hasDaylight = false;
    std::int64_t daylightStartLocal = 0;  // wall clock, standard time
    std::int64_t daylightEndLocal = 0;    // wall clock, daylight time
};

YearRules rulesFrom(const TIME_ZONE_INFORMATION& tzi, std::int64_t year) {
    YearRules r;
    r.standardOffset = -static_cast<std::int64_t>(tzi.Bias + tzi.StandardBias) * 60;
    r.daylightOffset = -static_cast<std::int64_t>(tzi.Bias + tzi.DaylightBias) * 60;
    r.hasDaylight = tzi.StandardDate.wMonth != 0 && tzi.DaylightDate.wMonth != 0 && r.daylightOffset != r.standardOffset;
    if (r.hasDaylight) {
        r.daylightStartLocal = transitionLocalSeconds(tzi.DaylightDate, year);
        r.daylightEndLocal = transitionLocalSeconds(tzi.StandardDate, year);
    }
    return r;
}

class RegistryTimeZone final : public TimeZone {
public:
    explicit RegistryTimeZone(const DYNAMIC_TIME_ZONE_INFORMATION& zone) : mZone(zone) {}

    std::int64_t offsetAtUtc(std::int64_t utc) const override {
        const std::int64_t standardGuess = utc + rulesForYear(yearOfSeconds(utc)).standardOffset;
        const YearRules r = rulesForYear(yearOfSeconds(standardGuess));
        if (!r.hasDaylight) return r.standardOffset;
        const std::int64_t start = r.daylightStartLocal - r.standardOffset;
        const std::int64_t end = r.daylightEndLocal - r.daylightOffset;
        const bool daylight = start < end ? (utc >= start && utc < end) : (utc >= start || utc < end);
        return daylight ? r.daylightOffset : r.standardOffset;
    }

    // Wall-clock times in the gap after the start and in the overlap before
    // the end belong to neither side alone: they take the standard offset.
    std::int64_t offsetForLocal(std::int64_t local) const override {
        const YearRules r = rulesForYear(yearOfSeconds(local));
        if (!r.hasDaylight) return r.standardOffset;
        const std::int64_t shift = r.daylightOffset - r.standardOffset;
        const std::int64_t margin = shift > 0 ? shift : -shift;
        const std::int64_t start = r.daylightStartLocal + margin;
        const std::int64_t end = r.daylightEndLocal - margin;
        const bool daylight = r.daylightStartLocal < r.daylightEndLocal ? (local >= start && local < end)
                                                                         : (local >= start || local < end);
        return daylight ? r.daylightOffset : r.standardOffset;
    }

private:
    YearRules rulesForYear(std::int64_t year) const {
        std::lock_guard<std::mutex> lock(mMutex);
        auto found = mCache.find(year);
        if (found != mCache.end()) return found->second;
        TIME_ZONE_INFORMATION tzi{};
        DYNAMIC_TIME_ZONE_INFORMATION zone = mZone;
        // Years outside what the registry describes use the zone's
        // current rules.
        if (year < 1601 || year > 30827 || !GetTimeZoneInformationForYear(static_cast<USHORT>(year), &zone, &tzi)) {
            tzi.Bias = mZone.Bias;
            tzi.StandardBias = mZone.StandardBias;
            tzi.DaylightBias = mZone.DaylightBias;
            tzi.StandardDate = mZone.StandardDate;
            tzi.DaylightDate = mZone.DaylightDate;
        }
        YearRules rules = rulesFrom(tzi, year);
        if (mZone.DynamicDaylightTimeDisabled) rules.hasDaylight = false;
        if (mCache.size() > 256) mCache.clear();
        mCache.emplace(year, rules);
        return rules;
    }

    DYNAMIC_TIME_ZONE_INFORMATION mZone;
    mutable std::mutex mMutex;
    mutable std::map<std::int64_t, YearRules> mCache;
};

std::optional<DYNAMIC_TIME_ZONE_INFORMATION> zoneWithKey(std::u16string_view key) {
    DYNAMIC_TIME_ZONE_INFORMATION zone{};
    for (DWORD index = 0; EnumDynamicTimeZoneInformation(index, &zone) == ERROR_SUCCESS; ++index) {
        if (win::fromWide(zone.TimeZoneKeyName) == key) return zone;
    }
    return std::nullopt;
}

}  // namespace

std::shared_ptr<const TimeZone> windowsTimeZoneNamed(std::u16string_view key) {
    std::optional<DYNAMIC_TIME_ZONE_INFORMATION> zone = zoneWithKey(key);
    if (!zone) return nullptr;
    return std::make_shared<RegistryTimeZone>(*zone);
}

std::shared_ptr<const TimeZone> WindowsOs::localTimeZone() {
    DYNAMIC_TIME_ZONE_INFORMATION zone{};
    if (GetDynamicTimeZoneInformation(&zone) == TIME_ZONE_ID_INVALID) return nullptr;
    return std::make_shared<RegistryTimeZone>(zone);
}

std::shared_ptr<const TimeZone> WindowsOs::easternTimeZone() { return windowsTimeZoneNamed(u"Eastern Standard Time"); }

}  // namespace vcom::platform
