#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/platform.h"
#include "platform/timezone_lookup.h"
#include "support/scoped_env.h"

namespace {

using vcom::platform::defaultOs;
using vcom::platform::timeZoneNamed;
using vcom::testing::ScopedEnv;

constexpr std::int64_t kJuly2021 = 1625140800;  // 2021-07-01 12:00:00 UTC

TEST(PosixTimeZone, LocalZoneFollowsTheTzVariable) {
    struct Case {
        const char* tz;
        std::int64_t julyOffset;
    };
    const Case cases[] = {
        {":America/New_York", -4 * 3600}, {"America/New_York", -4 * 3600}, {"Etc/GMT+8", -8 * 3600},
        {"UTC", 0},                       {"", 0},                          {"No/SuchZone", 0},
    };
    for (const Case& c : cases) {
        ScopedEnv tz("TZ", std::string(c.tz));
        const auto zone = defaultOs().localTimeZone();
        ASSERT_TRUE(zone) << c.tz;
        EXPECT_EQ(zone->offsetAtUtc(kJuly2021), c.julyOffset) << c.tz;
    }
}

TEST(PosixTimeZone, UnknownNameGivesNoZone) { EXPECT_EQ(timeZoneNamed("No/SuchZone"), nullptr); }

TEST(PosixTimeZone, EasternIsStandardTimeBeforeTheZoneHadOne) {
    const auto eastern = defaultOs().easternTimeZone();
    ASSERT_TRUE(eastern);
    constexpr std::int64_t kYearOne = -62135596800;
    EXPECT_EQ(eastern->offsetAtUtc(kYearOne), -5 * 3600);
    EXPECT_EQ(eastern->offsetForLocal(kYearOne), -5 * 3600);
    EXPECT_EQ(eastern->offsetAtUtc(kJuly2021), -4 * 3600);
}

}  // namespace
