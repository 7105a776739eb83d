// Time zones from the system's tz database (/usr/share/zoneinfo).
#include <date/tz.h>

#include <chrono>
#include <cstdlib>
#include <map>
#include <mutex>
#include <string>

#include "platform/posix/posix_os.h"
#include "platform/timezone_lookup.h"

namespace vcom::platform {

namespace {

using std::chrono::seconds;

constexpr std::string_view kEasternZoneName = "America/New_York";

// Read from the system's zone files, `save` only flags daylight-saving time
// (one minute), so the standard offset is the offset of the side without it.
std::int64_t offsetOf(const date::local_info& info) {
    if (info.result == date::local_info::unique) return info.first.offset.count();
    // Skipped or repeated wall-clock time: the offset of standard time.
    if (info.first.save == std::chrono::minutes{0}) return info.first.offset.count();
    if (info.second.save == std::chrono::minutes{0}) return info.second.offset.count();
    return info.second.offset.count();
}

class TzDatabaseZone final : public TimeZone {
public:
    explicit TzDatabaseZone(const date::time_zone* zone) : mZone(zone) {
        // Windows zones know no local mean time: before the first standard
        // offset of the zone, that standard offset applies.
        const date::sys_info first = mZone->get_info(date::sys_seconds{seconds{kFirstSecond}});
        if (first.abbrev == "LMT") {
            mStandardFrom = first.end.time_since_epoch().count();
            mEarliestOffset = mZone->get_info(first.end).offset.count();
        }
    }

    std::int64_t offsetAtUtc(std::int64_t utcSeconds) const override {
        try {
            if (utcSeconds < mStandardFrom) return mEarliestOffset;
            const date::sys_seconds at{seconds{utcSeconds}};
            return mZone->get_info(at).offset.count();
        } catch (...) {
            return 0;
        }
    }

    std::int64_t offsetForLocal(std::int64_t localSeconds) const override {
        try {
            // Within a day of the change the database answers for itself.
            if (localSeconds < mStandardFrom - kDay) return mEarliestOffset;
            const date::local_seconds at{seconds{localSeconds}};
            return offsetOf(mZone->get_info(at));
        } catch (...) {
            return 0;
        }
    }

private:
    static constexpr std::int64_t kFirstSecond = -62'135'596'800;  // 0001-01-01
    static constexpr std::int64_t kDay = 86'400;

    const date::time_zone* mZone;
    std::int64_t mStandardFrom = kFirstSecond - 2 * kDay;
    std::int64_t mEarliestOffset = 0;
};

std::shared_ptr<const TimeZone> zoneFor(const date::time_zone* zone) {
    if (!zone) return nullptr;
    return std::make_shared<TzDatabaseZone>(zone);
}

// The zone that the TZ variable names, as the C library reads it: a leading
// ':' is dropped; an empty or unknown name means UTC.
std::shared_ptr<const TimeZone> zoneFromEnvironment(std::string_view value) {
    if (!value.empty() && value.front() == ':') value.remove_prefix(1);
    if (value.empty()) return timeZoneNamed("UTC");
    if (auto zone = timeZoneNamed(value)) return zone;
    return timeZoneNamed("UTC");
}

}  // namespace

// Zones are kept once made: every order send asks for two of them, and
// making one reads its zone file.
std::shared_ptr<const TimeZone> timeZoneNamed(std::string_view name) {
    static std::mutex mutex;
    static std::map<std::string, std::shared_ptr<const TimeZone>, std::less<>> made;
    std::lock_guard<std::mutex> lock(mutex);
    if (auto it = made.find(name); it != made.end()) return it->second;
    std::shared_ptr<const TimeZone> zone;
    try {
        zone = zoneFor(date::locate_zone(name));
    } catch (...) {
        return nullptr;
    }
    made.emplace(std::string(name), zone);
    return zone;
}

std::shared_ptr<const TimeZone> PosixOs::localTimeZone() {
    if (const char* tz = std::getenv("TZ")) return zoneFromEnvironment(tz);
    try {
        if (const date::time_zone* zone = date::current_zone())
            if (auto found = timeZoneNamed(zone->name())) return found;
    } catch (...) {
    }
    return timeZoneNamed("UTC");
}

std::shared_ptr<const TimeZone> PosixOs::easternTimeZone() { return timeZoneNamed(kEasternZoneName); }

}  // namespace vcom::platform
