#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <memory>

#include "platform/timezone_lookup.h"
#include "text/date_time.h"
#include "trade/eastern_time.h"

namespace {

using VantorelCom::DateTime;
using vcom::platform::TimeZone;
using vcom::platform::timeZoneNamed;
using vcom::text::CivilTime;
using vcom::text::secondsFromCivil;
using vcom::text::toCivil;
using vcom::text::wallClockPlusSeconds;
using vcom::trade::easternTicks;

constexpr CivilTime kTsBase{2000, 1, 1, 0, 0, 0};
constexpr CivilTime kMtBase{1970, 1, 1, 0, 0, 0};
constexpr std::int64_t kTicks = DateTime::kTicksPerSecond;

std::int64_t ticksOf(const CivilTime& t) { return secondsFromCivil(t) * kTicks; }
DateTime wallClock(const CivilTime& t) { return DateTime{ticksOf(t), false}; }

class EasternTicks : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(utc && newYork && gmtMinus8) << "tz database zones missing";
    }
    std::shared_ptr<const TimeZone> utc = timeZoneNamed("UTC");
    std::shared_ptr<const TimeZone> newYork = timeZoneNamed("America/New_York");
    std::shared_ptr<const TimeZone> gmtMinus8 = timeZoneNamed("Etc/GMT+8");
};

TEST_F(EasternTicks, WorkedValuesOnAUtcMachine) {
    EXPECT_EQ(easternTicks(wallClockPlusSeconds(kTsBase, 0), utc.get(), newYork.get()), 630822636000000000);
    EXPECT_EQ(easternTicks(wallClockPlusSeconds(kMtBase, 1600000000), utc.get(), newYork.get()),
              637355824000000000);
    // The TS9 example's fill time: 2020-12-04 15:30:00 UTC.
    EXPECT_EQ(easternTicks(wallClockPlusSeconds(kTsBase, 660411000), utc.get(), newYork.get()),
              637426746000000000);
}

TEST_F(EasternTicks, UtcMarkedValueIsTheInstantWhateverTheLocalZone) {
    const DateTime instant{ticksOf({2020, 9, 13, 12, 26, 40}), true};
    EXPECT_EQ(easternTicks(instant, gmtMinus8.get(), newYork.get()), 637355824000000000);
    EXPECT_EQ(easternTicks(instant, newYork.get(), newYork.get()), 637355824000000000);
}

TEST_F(EasternTicks, MissingLocalZoneCountsAsUtc) {
    const DateTime dt = wallClock({2021, 6, 1, 10, 0, 0});
    EXPECT_EQ(easternTicks(dt, nullptr, newYork.get()), easternTicks(dt, utc.get(), newYork.get()));
}

TEST_F(EasternTicks, SubSecondTicksAreKept) {
    const DateTime dt{ticksOf({2021, 6, 1, 10, 0, 0}) + 1234567, false};
    EXPECT_EQ(easternTicks(dt, utc.get(), newYork.get()), ticksOf({2021, 6, 1, 6, 0, 0}) + 1234567);
}

TEST_F(EasternTicks, EasternMachineKeepsWallClockExceptTheSkippedHour) {
    struct Case {
        CivilTime local;
        CivilTime expected;
    };
    const Case cases[] = {
        {{2021, 3, 14, 2, 30, 0}, {2021, 3, 14, 3, 30, 0}},  // skipped: taken as standard time
        {{2021, 11, 7, 1, 30, 0}, {2021, 11, 7, 1, 30, 0}},  // repeated: taken as standard time
        {{2021, 3, 14, 1, 59, 59}, {2021, 3, 14, 1, 59, 59}},
        {{2021, 3, 14, 3, 0, 0}, {2021, 3, 14, 3, 0, 0}},
        {{2021, 7, 4, 12, 0, 0}, {2021, 7, 4, 12, 0, 0}},
        {{2021, 12, 24, 12, 0, 0}, {2021, 12, 24, 12, 0, 0}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(easternTicks(wallClock(c.local), newYork.get(), newYork.get()), ticksOf(c.expected))
            << c.local.month << "-" << c.local.day << " " << c.local.hour << ":" << c.local.minute;
    }
}

TEST_F(EasternTicks, NeverSetTimeClampsOrShowsTheDifference) {
    const DateTime zero{};
    EXPECT_EQ(easternTicks(zero, utc.get(), newYork.get()), 0);
    EXPECT_EQ(easternTicks(zero, gmtMinus8.get(), newYork.get()), 108000000000);
    EXPECT_EQ(easternTicks(zero, gmtMinus8.get(), nullptr), 108000000000);
}

TEST_F(EasternTicks, ValuesOutsideTheRangeClamp) {
    const DateTime maxUtc{DateTime::kMaxTicks, true};
    EXPECT_EQ(easternTicks(maxUtc, utc.get(), newYork.get()), DateTime::kMaxTicks - 5 * 3600 * kTicks);
    // Local UTC-8 pushes the last wall-clock tick past the end before Eastern pulls it back.
    EXPECT_EQ(easternTicks(DateTime{DateTime::kMaxTicks, false}, gmtMinus8.get(), newYork.get()),
              DateTime::kMaxTicks - 5 * 3600 * kTicks);
    EXPECT_EQ(easternTicks(DateTime{-5, false}, utc.get(), newYork.get()), 0);
    EXPECT_EQ(easternTicks(DateTime{std::numeric_limits<std::int64_t>::max(), true}, utc.get(), newYork.get()),
              DateTime::kMaxTicks - 5 * 3600 * kTicks);
}

TEST_F(EasternTicks, RulesWithoutEasternZoneMatchTheDatabase) {
    // UTC instants around the changes of several years and in between.
    const CivilTime instants[] = {
        {2007, 3, 11, 6, 59, 59}, {2007, 3, 11, 7, 0, 0},  {2007, 11, 4, 5, 59, 59}, {2007, 11, 4, 6, 0, 0},
        {2020, 3, 8, 7, 0, 0},    {2020, 11, 1, 5, 59, 59}, {2020, 11, 1, 6, 0, 0},   {2024, 1, 1, 4, 59, 0},
        {2024, 12, 31, 23, 0, 0}, {2030, 3, 10, 6, 59, 59}, {2030, 3, 10, 7, 0, 0},   {2036, 8, 1, 0, 0, 0},
    };
    for (const CivilTime& t : instants) {
        const DateTime dt{ticksOf(t), true};
        EXPECT_EQ(easternTicks(dt, nullptr, nullptr), easternTicks(dt, nullptr, newYork.get()))
            << t.year << "-" << t.month << "-" << t.day << " " << t.hour << ":" << t.minute;
    }
}

TEST(FlatTimeArguments, ThirtyTwoBitLimitsOfTheTsBase) {
    const CivilTime low = toCivil(wallClockPlusSeconds(kTsBase, std::numeric_limits<std::int32_t>::min()).ticks);
    const CivilTime high = toCivil(wallClockPlusSeconds(kTsBase, std::numeric_limits<std::int32_t>::max()).ticks);
    EXPECT_EQ(secondsFromCivil(low), secondsFromCivil({1931, 12, 13, 20, 45, 52}));
    EXPECT_EQ(secondsFromCivil(high), secondsFromCivil({2068, 1, 19, 3, 14, 7}));
    EXPECT_EQ(wallClockPlusSeconds(kTsBase, -1), wallClock({1999, 12, 31, 23, 59, 59}));
}

TEST(FlatTimeArguments, MtSecondsWithoutADateClamp) {
    using Limits = std::numeric_limits<std::int64_t>;
    struct Case {
        std::int64_t seconds;
        std::int64_t ticks;
    };
    const Case cases[] = {
        {Limits::max(), DateTime::kMaxTicks},
        {253402300800, DateTime::kMaxTicks},
        {253402300799, 253402300799 * kTicks + 62135596800 * kTicks},
        {-62135596800, 0},
        {-62135596801, 0},
        {Limits::min(), 0},
    };
    for (const Case& c : cases) {
        const DateTime dt = wallClockPlusSeconds(kMtBase, c.seconds);
        EXPECT_EQ(dt.ticks, c.ticks) << c.seconds;
        EXPECT_FALSE(dt.utc);
    }
}

}  // namespace
