// Zones by tz-database name, mapped to the Windows zone keys. Fixed
// offsets ("UTC", "Etc/GMT+8") need no registry at all.
#include <charconv>
#include <string>

#include "platform/timezone_lookup.h"
#include "platform/windows/windows_time_zone.h"

namespace vcom::platform {

namespace {

class FixedTimeZone final : public TimeZone {
public:
    explicit FixedTimeZone(std::int64_t offset) : mOffset(offset) {}
    std::int64_t offsetAtUtc(std::int64_t) const override { return mOffset; }
    std::int64_t offsetForLocal(std::int64_t) const override { return mOffset; }

private:
    std::int64_t mOffset;
};

struct ZoneKey {
    std::string_view tzName;
    std::u16string_view windowsKey;
};

constexpr ZoneKey kZoneKeys[] = {
    {"America/New_York", u"Eastern Standard Time"},
    {"US/Eastern", u"Eastern Standard Time"},
    {"America/Chicago", u"Central Standard Time"},
    {"America/Denver", u"Mountain Standard Time"},
    {"America/Phoenix", u"US Mountain Standard Time"},
    {"America/Los_Angeles", u"Pacific Standard Time"},
    {"America/Sao_Paulo", u"E. South America Standard Time"},
    {"Europe/London", u"GMT Standard Time"},
    {"Europe/Berlin", u"W. Europe Standard Time"},
    {"Europe/Paris", u"Romance Standard Time"},
    {"Europe/Moscow", u"Russian Standard Time"},
    {"Asia/Kolkata", u"India Standard Time"},
    {"Asia/Tokyo", u"Tokyo Standard Time"},
    {"Australia/Sydney", u"AUS Eastern Standard Time"},
    {"Pacific/Auckland", u"New Zealand Standard Time"},
};

// "Etc/GMT+8" is eight hours west of UTC: the sign is inverted.
bool etcOffset(std::string_view name, std::int64_t& offset) {
    constexpr std::string_view prefix = "Etc/GMT";
    if (name.substr(0, prefix.size()) != prefix) return false;
    std::string_view rest = name.substr(prefix.size());
    if (rest.empty()) {
        offset = 0;
        return true;
    }
    if (rest.size() < 2 || (rest[0] != '+' && rest[0] != '-')) return false;
    int hours = 0;
    const auto [end, ec] = std::from_chars(rest.data() + 1, rest.data() + rest.size(), hours);
    if (ec != std::errc() || end != rest.data() + rest.size() || hours > 14) return false;
    offset = (rest[0] == '+' ? -1 : 1) * static_cast<std::int64_t>(hours) * 3600;
    return true;
}

}  // namespace

std::shared_ptr<const TimeZone> timeZoneNamed(std::string_view name) {
    if (name == "UTC" || name == "Etc/UTC" || name == "GMT") return std::make_shared<FixedTimeZone>(0);
    std::int64_t offset = 0;
    if (etcOffset(name, offset)) return std::make_shared<FixedTimeZone>(offset);
    for (const ZoneKey& entry : kZoneKeys) {
        if (entry.tzName == name) return windowsTimeZoneNamed(entry.windowsKey);
    }
    return nullptr;
}

}  // namespace vcom::platform
