#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "VantorelCom/VantorelCom2Manager.h"
#include "VantorelCom2.h"
#include "manager/manager_internals.h"
#include "support/json_check.h"
#include "support/c_results.h"
#include "support/sandbox_test.h"
#include "text/utf.h"

namespace {

using nlohmann::json;
using vcom::sandbox::ScriptedReply;
using vcom::text::fromUtf8;
using vcom::text::toUtf8;

using vcom::testing::takeAnsi;
using vcom::testing::takeWide;

// One flat host kind driven through its own C functions. `add(n)` adds a
// record whose numbers carry n; `expected(n)` is its position object.
struct FlatHost {
    const char* name;
    std::int32_t source;
    std::function<void(std::int32_t retryCycles)> initialize;
    std::function<void(int n)> add;
    std::function<std::u16string(const char16_t* accounts)> send;
    std::function<json(int n)> expected;
};

const char* ansiOrNull(const std::string& text, const char16_t* original) {
    return original ? text.c_str() : nullptr;
}

std::vector<FlatHost> flatHosts() {
    auto tsExpected = [](int n) {
        return json{{"AccountId", "TS-1"}, {"AveragePrice", n + 0.5}, {"PositionType", 2},
                    {"Quantity", n},       {"SecurityType", 7},        {"Symbol", "ES"}};
    };
    return {
        {"TS9", 4, [](std::int32_t r) { SendInitialize_TS9("KEY", 4, "9.0", r, 0); },
         [](int n) { SendPositionData_add_TS9("TS-1", n + 0.5, 2, n, 7, "ES"); },
         [](const char16_t* a) {
             const std::string text = a ? toUtf8(a) : "";
             return takeAnsi(SendPositionData_TS9(ansiOrNull(text, a)));
         },
         tsExpected},
        {"TS10", 7, [](std::int32_t r) { SendInitialize_TS10("KEY", 7, "10.0", r, 0); },
         [](int n) { SendPositionData_add_TS10("TS-1", n + 0.5, 2, n, 7, "ES"); },
         [](const char16_t* a) {
             const std::string text = a ? toUtf8(a) : "";
             return takeAnsi(SendPositionData_TS10(ansiOrNull(text, a)));
         },
         tsExpected},
        {"MT4", 5, [](std::int32_t r) { SendInitialize_MT4(u"KEY", 5, u"4.0", r, 0); },
         [](int n) { SendPositionData_add_MT4(u"MT-4", n + 0.5, n * 0.1, u"EURUSD", 3); },
         [](const char16_t* a) { return takeWide(SendPositionData_MT4(a)); },
         [](int n) {
             return json{{"AccountNumber", "MT-4"}, {"AveragePrice", n + 0.5}, {"Lots", n * 0.1},
                         {"Symbol", "EURUSD"},      {"SymbolCalcMode", 3}};
         }},
        {"MT5", 6, [](std::int32_t r) { SendInitialize_MT5(u"KEY", 6, u"5.0", r, 0); },
         [](int n) { SendPositionData_add_MT5(u"MT-5", n + 0.5, u"EURUSD", 3, 1, n * 0.25); },
         [](const char16_t* a) { return takeWide(SendPositionData_MT5(a)); },
         [](int n) {
             return json{{"AccountLogin", "MT-5"}, {"PriceOpen", n + 0.5}, {"Symbol", "EURUSD"},
                         {"SymbolCalcMode", 3},     {"Type", 1},            {"Volume", n * 0.25}};
         }},
    };
}

class PositionSendTest : public vcom::testing::SandboxTest {
protected:
    // The parsed "sendPosition" documents received since the last call.
    std::vector<json> takePositionDocuments() {
        std::vector<json> documents;
        for (const auto& received : sandbox().received()) {
            if (received.endpoint == "sendPosition") documents.push_back(vcom::testing::parseDocument(received.body));
        }
        sandbox().clearReceived();
        return documents;
    }

    static VantorelCom::VantorelComManager objectHost(std::int32_t source, std::int32_t retryCycles = 0) {
        VantorelCom::VantorelComManager manager(source, u"8.0.1", retryCycles);
        manager.msKXAPIKey = u"KEY";
        return manager;
    }
};

TEST_F(PositionSendTest, FlatHostsPostTheirPendingListInCallOrderThenEmptyIt) {
    for (const auto& host : flatHosts()) {
        SCOPED_TRACE(host.name);
        host.initialize(0);
        sandbox().clearReceived();
        host.add(1);
        host.add(2);  // same symbol: a second record, not a merge

        EXPECT_EQ(host.send(u"A-1 | B-2 | "), u"");
        EXPECT_EQ(host.send(u"A-1 | "), u"");

        const auto documents = takePositionDocuments();
        ASSERT_EQ(documents.size(), 2u);
        const json& sync = documents[0].at("PositionSync");
        EXPECT_EQ(sync.at("KXAPIKey"), "KEY");
        EXPECT_EQ(sync.at("Source"), host.source);
        EXPECT_EQ(sync.at("VantorelVersion"), "4.6.0.0");
        EXPECT_TRUE(sync.at("IPAddress").is_string());
        EXPECT_EQ(sync.at("ActiveAccounts"), json::array({"A-1", "B-2"}));
        EXPECT_EQ(sync.at("Positions"), json::array({host.expected(1), host.expected(2)}));
        EXPECT_EQ(documents[1].at("PositionSync").at("Positions"), json::array());
    }
}

TEST_F(PositionSendTest, ObjectHostsPostTheirOwnLists) {
    VantorelCom::COM_Position p;
    p.msAccount = u"Sim101";
    p.mdAvgPrice = 10.5;  // NT7's field
    p.mdAveragePrice = 20.25;  // NT8's field
    p.msInstrument = u"ES 06-25";
    p.meInstrumentType = 1;
    p.meMarketPosition = 0;
    p.mnQuantity = 0;
    const std::vector<std::u16string> accounts{u"Sim101", u""};

    auto nt7 = objectHost(2);
    EXPECT_EQ(nt7.SendPositionData_NT7(accounts, {p}), 1);
    auto nt8 = objectHost(3);
    EXPECT_EQ(nt8.SendPositionData_NT8(accounts, {p}), 1);
    EXPECT_EQ(nt8.SendPositionData_NT8(accounts, {}), 1);

    const auto documents = takePositionDocuments();
    ASSERT_EQ(documents.size(), 3u);
    const json common{{"Account", "Sim101"}, {"Instrument", "ES 06-25"}, {"InstrumentType", 1},
                      {"MarketPosition", 0}, {"Quantity", 0}};
    json nt7Position = common;
    nt7Position["AvgPrice"] = 10.5;
    json nt8Position = common;
    nt8Position["AveragePrice"] = 20.25;
    EXPECT_EQ(documents[0].at("PositionSync").at("Source"), 2);
    EXPECT_EQ(documents[0].at("PositionSync").at("SourceVersion"), "8.0.1");
    EXPECT_EQ(documents[0].at("PositionSync").at("ActiveAccounts"), json::array({"Sim101", ""}));
    EXPECT_EQ(documents[0].at("PositionSync").at("Positions"), json::array({nt7Position}));
    EXPECT_EQ(documents[1].at("PositionSync").at("Source"), 3);
    EXPECT_EQ(documents[1].at("PositionSync").at("Positions"), json::array({nt8Position}));
    EXPECT_EQ(documents[2].at("PositionSync").at("Positions"), json::array());
}

TEST_F(PositionSendTest, ObjectHostWithoutAccountsPostsNothing) {
    auto nt8 = objectHost(3);
    EXPECT_EQ(nt8.SendPositionData_NT8({}, {VantorelCom::COM_Position{}}), 0);
    EXPECT_TRUE(takePositionDocuments().empty());
}

TEST_F(PositionSendTest, RecordOfOneKindSentByAnotherShowsDefaults) {
    SendInitialize_MT5(u"KEY", 6, u"5.0", 0, 0);
    SendPositionData_add_MT5(u"MT-5", 1.5, u"EURUSD", 3, 1, 2.0);
    EXPECT_EQ(takeAnsi(SendPositionData_TS9("A | ")), u"");

    const auto documents = takePositionDocuments();
    ASSERT_EQ(documents.size(), 1u);
    EXPECT_EQ(documents[0].at("PositionSync").at("Positions"),
              json::array({{{"AccountId", ""}, {"AveragePrice", 0}, {"PositionType", 99}, {"Quantity", 0},
                            {"SecurityType", 99}, {"Symbol", "EURUSD"}}}));
}

TEST_F(PositionSendTest, AccountsTextWithoutAccountsGivesNokAndEmptiesTheList) {
    const char16_t* texts[] = {nullptr, u"", u"A-1", u" | A-1 | "};
    for (const auto& host : flatHosts()) {
        host.initialize(0);
        for (const char16_t* text : texts) {
            SCOPED_TRACE(std::string(host.name) + " " + (text ? toUtf8(text) : "null"));
            sandbox().clearReceived();
            host.add(1);
            EXPECT_EQ(host.send(text), u"NOK");
            EXPECT_TRUE(takePositionDocuments().empty());

            EXPECT_EQ(host.send(u"A-1 | "), u"");
            const auto documents = takePositionDocuments();
            ASSERT_EQ(documents.size(), 1u);
            EXPECT_EQ(documents[0].at("PositionSync").at("Positions"), json::array());
        }
    }
}

TEST_F(PositionSendTest, FlatResultIsTheLastErrorOfThePost) {
    struct Case {
        ScriptedReply reply;
        std::u16string expected;
    };
    const Case cases[] = {
        {ScriptedReply::accepted("noted"), u"noted"},
        {ScriptedReply::refused("bad key"), u"bad key"},
        {ScriptedReply::refused(""), u""},
    };
    SendInitialize_MT4(u"KEY", 5, u"4.0", 0, 0);
    for (const auto& c : cases) {
        sandbox().script(c.reply);
        EXPECT_EQ(takeWide(SendPositionData_MT4(u"A | ")), c.expected);
    }
    EXPECT_EQ(takePositionDocuments().size(), 3u);
}

TEST_F(PositionSendTest, BackoffHoldsBackSendsUntilANewInitialize) {
    sandbox().setDefaultReply(ScriptedReply::refused("down"));
    SendInitialize_TS9("KEY", 4, "9.0", 5, 0);
    EXPECT_EQ(takeAnsi(SendPositionData_TS9("A | ")), u"down");
    EXPECT_EQ(takeAnsi(SendPositionData_TS9("A | ")), u"down");
    EXPECT_EQ(takeAnsi(SendPositionData_TS9("A | ")), u"NOK");
    EXPECT_EQ(takePositionDocuments().size(), 2u);

    SendInitialize_TS9("KEY", 4, "9.0", 5, 0);
    EXPECT_EQ(takeAnsi(SendPositionData_TS9("A | ")), u"down");
    EXPECT_EQ(takePositionDocuments().size(), 1u);
}

TEST_F(PositionSendTest, CallWithoutAccountsStillCountsForTheBackoff) {
    sandbox().setDefaultReply(ScriptedReply::refused("down"));
    SendInitialize_MT5(u"KEY", 6, u"5.0", 5, 0);
    EXPECT_EQ(takeWide(SendPositionData_MT5(u"A | ")), u"down");  // F 1
    EXPECT_EQ(takeWide(SendPositionData_MT5(u"A")), u"NOK");      // F 2, no account
    // Had the call above not counted, this one would post again.
    EXPECT_EQ(takeWide(SendPositionData_MT5(u"A | ")), u"NOK");   // F 3: skipped
    EXPECT_EQ(takePositionDocuments().size(), 1u);
    EXPECT_EQ(VantorelCom::ManagerInternals::failCyclesFromFail(*VantorelCom::VantorelCom2Manager::mpManager), 3);
}

TEST_F(PositionSendTest, ObjectHostResultCodes) {
    struct Case {
        const char* name;
        ScriptedReply reply;
        std::int32_t expected;
    };
    const Case cases[] = {
        {"accepted, no message", ScriptedReply::accepted(""), 1},
        {"accepted, 10 units", ScriptedReply::accepted("0123456789"), 1},
        {"accepted, 11 units", ScriptedReply::accepted("0123456789A"), 2},
        // U+1F600 is two UTF-16 units: 8 + 2 = 10, then 9 + 2 = 11.
        {"accepted, 10 units with a non-BMP character", ScriptedReply::accepted("01234567\xF0\x9F\x98\x80"), 1},
        {"accepted, 11 units with a non-BMP character", ScriptedReply::accepted("012345678\xF0\x9F\x98\x80"), 2},
        {"refused with the stop text", ScriptedReply::refused("Stop Vantorel"), -1},
        {"refused with another text", ScriptedReply::refused("Stop vantorel"), 0},
        {"server error", ScriptedReply::httpStatus(500), 0},
    };
    for (const auto& c : cases) {
        auto nt7 = objectHost(2);
        sandbox().script(c.reply);
        EXPECT_EQ(nt7.SendPositionData_NT7({u"Sim101"}, {}), c.expected) << c.name;
    }
    EXPECT_EQ(takePositionDocuments().size(), std::size(cases));
}

TEST_F(PositionSendTest, SendBeforeInitializeGivesEmptyTextAndPostsNothing) {
    for (const auto& host : flatHosts()) {
        host.add(1);
        EXPECT_EQ(host.send(u"A | "), u"") << host.name;
    }
    EXPECT_TRUE(sandbox().received().empty());
}

}  // namespace
