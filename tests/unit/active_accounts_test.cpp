#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "trade/active_accounts.h"

namespace {

using vcom::trade::splitActiveAccounts;

struct SplitCase {
    const char* name;
    std::u16string text;
    std::vector<std::u16string> expected;
};

TEST(ActiveAccounts, SplitsNamesThatASeparatorFollows) {
    const SplitCase cases[] = {
        {"each name terminated", u"A1 | B2 | ", {u"A1", u"B2"}},
        {"no separator", u"A1", {}},
        {"trailing name without separator", u"A1 | B2", {u"A1"}},
        {"leading separator", u" | A1 | ", {}},
        {"two separators in a row", u"A1 |  | B2 | ", {u"A1", u"", u"B2"}},
        {"empty text", u"", {}},
        {"names kept untrimmed", u" A1  | b|c | ", {u" A1 ", u"b|c"}},
        {"separator alone", u" | ", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(splitActiveAccounts(c.text), c.expected) << c.name;
    }
}

}  // namespace
