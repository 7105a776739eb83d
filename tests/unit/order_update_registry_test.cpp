#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "exports/order_update_registry.h"
#include "text/utf.h"

namespace {

using vcom::OrderUpdateRegistry;

// One step of a scenario: a registration, or (take) a collection with its
// expected result. `size` is the number of entries after the step.
struct Step {
    bool take;
    const char16_t* id;
    const char16_t* idData;
    std::int32_t state;
    const char16_t* data;  // the registered text, or the expected taken text
    std::size_t size;
};

Step reg(const char16_t* id, const char16_t* idData, std::int32_t state, const char16_t* data, std::size_t size) {
    return {false, id, idData, state, data, size};
}
Step take(const char16_t* expected, std::size_t size) { return {true, u"", u"", 0, expected, size}; }

struct Scenario {
    const char* name;
    std::vector<Step> steps;
};

TEST(OrderUpdateRegistry, Scenarios) {
    const Scenario scenarios[] = {
        {"empty registry", {take(u"", 0)}},
        {"id learnt from id data, then found by id",
         {reg(u"", u"D1", 1, u"x", 1), reg(u"A7", u"D1", 3, u"y", 1), take(u"", 1), reg(u"A7", u"", 8, u"z", 1),
          take(u"A7x", 0), take(u"", 0)}},
        {"empty id found by id data keeps id and data",
         {reg(u"", u"D1", 1, u"x", 1), reg(u"", u"D1", 8, u"y", 1), take(u"x", 0)}},
        {"a filled-in id is never found by id data",
         {reg(u"", u"D1", 1, u"x", 1), reg(u"A7", u"D1", 3, u"y", 1), reg(u"B2", u"D1", 3, u"y", 2),
          reg(u"B2", u"", 8, u"", 2), take(u"y", 1), reg(u"A7", u"", 8, u"", 1), take(u"A7x", 0)}},
        {"id data is used only when the id finds nothing",
         {reg(u"A1", u"D1", 1, u"first", 1), reg(u"", u"D1", 1, u"second", 2), reg(u"A1", u"D1", 8, u"", 2),
          take(u"first", 1)}},
        {"state 1 always creates; the id finds the first",
         {reg(u"A1", u"", 1, u"one", 1), reg(u"A1", u"", 1, u"two", 2), reg(u"A1", u"", 8, u"", 2),
          take(u"one", 1), reg(u"A1", u"", 8, u"", 1), take(u"two", 0)}},
        {"-1 removes the first match and closes the gap",
         {reg(u"A", u"", 1, u"a", 1), reg(u"B", u"", 1, u"b", 2), reg(u"C", u"", 8, u"c", 3),
          reg(u"A", u"", -1, u"", 2), reg(u"B", u"", 8, u"", 2), take(u"b", 1), take(u"c", 0)}},
        {"-1 removes an entry found by id data", {reg(u"", u"D", 1, u"a", 1), reg(u"", u"D", -1, u"", 0)}},
        {"-1 for an unknown id changes nothing",
         {reg(u"A", u"D", 1, u"a", 1), reg(u"Z", u"Q", -1, u"", 1), reg(u"", u"", -1, u"", 1)}},
        {"unknown id with state 5 appends", {reg(u"N", u"ND", 5, u"n", 1), reg(u"N", u"", 8, u"", 1), take(u"n", 0)}},
        {"unknown id with state 8 appends a ready entry", {reg(u"N", u"", 8, u"n", 1), take(u"n", 0)}},
        {"state 8 entries come out in list order",
         {reg(u"A", u"", 8, u"a", 1), reg(u"B", u"", 2, u"b", 2), reg(u"C", u"", 8, u"c", 3),
          reg(u"B", u"", 8, u"", 3), take(u"a", 2), take(u"b", 1), take(u"c", 0), take(u"", 0)}},
        {"ids are compared case-sensitively",
         {reg(u"A7", u"", 1, u"x", 1), reg(u"a7", u"", 8, u"lower", 2), take(u"lower", 1), take(u"", 1)}},
        {"id data are compared exactly",
         {reg(u"", u"D1", 1, u"x", 1), reg(u"A", u"d1", 3, u"y", 2), reg(u"B", u"D1 ", 3, u"z", 3),
          reg(u"", u"D1", 8, u"", 3), take(u"x", 2)}},
        {"a ready entry moved back is not handed out",
         {reg(u"A", u"", 8, u"a", 1), reg(u"A", u"", 4, u"", 1), take(u"", 1)}},
    };
    for (const Scenario& s : scenarios) {
        OrderUpdateRegistry registry;
        for (std::size_t i = 0; i < s.steps.size(); ++i) {
            const Step& step = s.steps[i];
            if (step.take) {
                EXPECT_EQ(vcom::text::toUtf8(registry.takeReady()), vcom::text::toUtf8(step.data))
                    << s.name << ", step " << i;
            } else {
                registry.registerUpdate(step.id, step.idData, step.state, step.data);
            }
            EXPECT_EQ(registry.size(), step.size) << s.name << ", step " << i;
        }
    }
}

TEST(OrderUpdateRegistry, ClearEmptiesEverything) {
    OrderUpdateRegistry registry;
    registry.registerUpdate(u"A", u"D", 8, u"a");
    registry.registerUpdate(u"B", u"E", 1, u"b");
    registry.clear();
    EXPECT_EQ(registry.size(), 0u);
    EXPECT_EQ(registry.takeReady(), u"");
    registry.registerUpdate(u"", u"E", 8, u"");
    EXPECT_EQ(registry.takeReady(), u"");  // the cleared entry is not found by its id data
}

}  // namespace
