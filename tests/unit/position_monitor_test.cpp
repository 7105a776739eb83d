#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "exports/position_quantity_monitor.h"

namespace {

using vcom::PositionQuantityMonitor;

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

struct Call {
    const char16_t* symbol;
    std::int32_t quantity;
    std::int32_t positionQuantity;
    std::int32_t expected;
};

struct Sequence {
    const char* name;
    std::vector<Call> calls;
};

TEST(PositionQuantityMonitor, Sequences) {
    const Sequence sequences[] = {
        {"lagging position",
         {{u"ES", 5, 100, 100}, {u"ES", 5, 100, 105}, {u"ES", 3, 100, 108}, {u"ES", 2, 110, 110},
          {u"ES", 4, 110, 114}, {u"ES", 1, 100, 100}}},
        {"negative fill", {{u"ES", 5, 100, 100}, {u"ES", -2, 100, 98}}},
        {"first call ignores the fill", {{u"NQ", 999, -3, -3}, {u"NQ", 1, -3, -2}}},
        {"symbols are independent and case-sensitive",
         {{u"ES", 0, 10, 10}, {u"es", 0, 50, 50}, {u"ES", 1, 10, 11}, {u"es", 2, 50, 52}, {u"ES", 1, 10, 12},
          {u"", 3, 7, 7}, {u"", 3, 7, 10}, {u"ES ", 0, 1, 1}}},
        {"a change resets even to the earlier figure",
         {{u"CL", 0, 10, 10}, {u"CL", 5, 10, 15}, {u"CL", 5, 15, 15}, {u"CL", 5, 15, 20}}},
        {"wrap-around at the 32-bit limits",
         {{u"W", 0, kMax, kMax}, {u"W", 1, kMax, kMin}, {u"W", -1, kMax, kMax}, {u"W", 0, kMin, kMin},
          {u"W", -1, kMin, kMax}, {u"W", kMin, kMin, -1}}},
    };
    for (const Sequence& s : sequences) {
        PositionQuantityMonitor monitor;
        for (std::size_t i = 0; i < s.calls.size(); ++i) {
            const Call& c = s.calls[i];
            EXPECT_EQ(monitor.corrected(c.symbol, c.quantity, c.positionQuantity), c.expected)
                << s.name << ", call " << i;
        }
    }
}

TEST(PositionQuantityMonitor, ClearMakesTheNextCallAFirstCall) {
    PositionQuantityMonitor monitor;
    monitor.corrected(u"ES", 0, 100);
    EXPECT_EQ(monitor.corrected(u"ES", 5, 100), 105);
    monitor.clear();
    EXPECT_EQ(monitor.size(), 0u);
    EXPECT_EQ(monitor.corrected(u"ES", 5, 100), 100);
}

// Hundreds of symbols in a random order, checked against a map-based model
// of the same rule in 64-bit arithmetic.
TEST(PositionQuantityMonitor, ManySymbolsAgreeWithAReferenceModel) {
    struct Model {
        std::int32_t previous;
        std::int64_t corrected;
    };
    std::map<std::u16string, Model> model;
    PositionQuantityMonitor monitor;
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> symbolOf(0, 499);
    std::uniform_int_distribution<int> positionOf(-3, 3);
    std::uniform_int_distribution<std::int32_t> fillOf(-50, 50);

    for (int call = 0; call < 8000; ++call) {
        const int n = symbolOf(random);
        std::u16string symbol = u"S";
        for (char c : std::to_string(n)) symbol.push_back(static_cast<char16_t>(c));
        if (n % 7 == 0) symbol[0] = u's';  // neighbours that differ only in case
        const std::int32_t position = positionOf(random) * 100;
        const std::int32_t fill = fillOf(random);

        auto [it, fresh] = model.try_emplace(symbol, Model{position, position});
        if (!fresh) {
            if (it->second.previous == position) {
                it->second.corrected += fill;
            } else {
                it->second = Model{position, position};
            }
        }
        ASSERT_EQ(monitor.corrected(symbol, fill, position), static_cast<std::int32_t>(it->second.corrected))
            << "call " << call;
    }
    EXPECT_EQ(monitor.size(), model.size());
}

}  // namespace
