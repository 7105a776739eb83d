#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

#include "trade/position_backoff.h"

namespace {

using vcom::trade::checkPositionBackoff;
using vcom::trade::updatePositionBackoff;

struct Call {
    bool posted;
    std::int32_t failCyclesAfter;
};

// Runs calls through check and update with the given post outcomes (used
// only for the calls that post) and records what each call did.
std::vector<Call> run(std::int32_t limit, const std::vector<bool>& acceptedPerPost, int calls) {
    std::vector<Call> seen;
    std::int32_t f = 0;
    std::size_t post = 0;
    for (int i = 0; i < calls; ++i) {
        const auto check = checkPositionBackoff(f, limit);
        f = check.failCycles;
        if (check.send) {
            const bool accepted = post < acceptedPerPost.size() && acceptedPerPost[post];
            ++post;
            f = updatePositionBackoff(f, accepted);
        }
        seen.push_back({check.send, f});
    }
    return seen;
}

void expectCalls(const std::vector<Call>& seen, const std::vector<Call>& expected) {
    ASSERT_EQ(seen.size(), expected.size());
    for (std::size_t i = 0; i < seen.size(); ++i) {
        EXPECT_EQ(seen[i].posted, expected[i].posted) << "call " << i + 1;
        EXPECT_EQ(seen[i].failCyclesAfter, expected[i].failCyclesAfter) << "call " << i + 1;
    }
}

TEST(PositionBackoff, LimitFiveWithEveryPostFailing) {
    expectCalls(run(5, {}, 11), {
                                    {true, 1},  {true, 2},  {false, 3}, {false, 4}, {false, 5}, {true, 1},
                                    {true, 2},  {false, 3}, {false, 4}, {false, 5}, {true, 1},
                                });
}

TEST(PositionBackoff, SmallLimitsNeverSkip) {
    for (std::int32_t limit : {0, 2, -7}) {
        for (const Call& c : run(limit, {}, 8)) EXPECT_TRUE(c.posted) << "limit " << limit;
    }
    expectCalls(run(2, {}, 4), {{true, 1}, {true, 2}, {true, 1}, {true, 2}});
}

TEST(PositionBackoff, AcceptedPostEndsTheBackoff) {
    // First post fails, the second is accepted: counter back to 0, and a
    // later failure starts over at 1.
    expectCalls(run(5, {false, true, false, false}, 5),
                {{true, 1}, {true, 0}, {true, 1}, {true, 2}, {false, 3}});
}

TEST(PositionBackoff, CounterAtTheTopOfItsRangeWrapsToARetry) {
    constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
    const auto atMax = checkPositionBackoff(kMax, kMax);
    EXPECT_TRUE(atMax.send);
    EXPECT_EQ(atMax.failCycles, 0);

    const auto belowMax = checkPositionBackoff(kMax - 1, kMax);
    EXPECT_FALSE(belowMax.send);
    EXPECT_EQ(belowMax.failCycles, kMax);
}

TEST(PositionBackoff, UpdateAfterPost) {
    EXPECT_EQ(updatePositionBackoff(0, false), 1);
    EXPECT_EQ(updatePositionBackoff(2, false), 2);
    EXPECT_EQ(updatePositionBackoff(2, true), 0);
    EXPECT_EQ(updatePositionBackoff(0, true), 0);
}

}  // namespace
