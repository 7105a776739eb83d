#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "VantorelCom/VantorelComManager.h"
#include "VantorelCom2.h"
#include "support/json_check.h"
#include "support/c_results.h"
#include "support/sandbox_test.h"
#include "support/scoped_env.h"
#include "text/utf.h"

namespace {

using nlohmann::ordered_json;
using vcom::sandbox::ScriptedReply;
using vcom::testing::ScopedEnv;
using vcom::text::fromUtf8;

constexpr std::int64_t kSeptember2020Eastern = 637355824000000000;  // nTime 1600000000 under UTC

using vcom::testing::takeAnsi;
using vcom::testing::takeWide;

void setTs9() { SendOrderData_set_TS9("SIM1", 101.25, 660411000, "77", 1, 2, 100, 0, 100, 0, "ESZ20"); }
void setTs10() { SendOrderData_set_TS10("SIM1", 101.25, 660411000, "77", 1, 2, 100, 0, 100, 0, "ESZ20"); }
void setMt4() { SendOrderData_set_MT4(u"4711", u"Robo", 0.1, 123456789012, 0, 0.3, 1.1725, 1, u"EURUSD", 0, 1600000000); }
void setMt5() {
    SendOrderData_set_MT5(u"5150", 987654321098, 1, u"Robo", 2, 0, 0.5, 1.1725, 0, u"EURUSD", 0, 1600000000, 0.2);
}

const ordered_json kTsMembers = {
    {"AccountId", "SIM1"}, {"AvgFilledPrice", 101.25}, {"FilledTime", 637426746000000000}, {"OrderId", "77"},
    {"OrderAction", 1},    {"OrderType", 2},           {"PositionQuantity", 100},          {"Purpose", 0},
    {"Quantity", 100},     {"SecurityType", 0},        {"Symbol", "ESZ20"}};
const ordered_json kMt4Members = {
    {"AccountNumber", "4711"}, {"Expert", "Robo"}, {"Lots", 0.1},       {"OrderTicket", 123456789012},
    {"OrderType", 0},          {"PositionLots", 0.3}, {"Price", 1.1725}, {"Purpose", 1},
    {"Symbol", "EURUSD"},      {"SymbolCalcMode", 0}, {"Time", kSeptember2020Eastern}};
const ordered_json kMt5Members = {
    {"AccountLogin", "5150"}, {"DealTicket", 987654321098}, {"DealType", 1},      {"Expert", "Robo"},
    {"OrderType", 2},         {"PositionType", 0},          {"PositionVolume", 0.5}, {"Price", 1.1725},
    {"Purpose", 0},           {"Symbol", "EURUSD"},         {"SymbolCalcMode", 0}, {"Time", kSeptember2020Eastern},
    {"Volume", 0.2}};

VantorelCom::COM_Order objectHostOrder() {
    VantorelCom::COM_Order o;
    o.msAccount = u"Sim101";
    o.mdAvgFillPrice = 4000.25;
    o.mdAverageFillPrice = 4000.5;
    o.msExecutionId = u"E1";
    o.msInstrument = u"ES 12-20";
    o.meInstrumentType = 1;
    o.meMarketPosition = 0;
    o.meOrderAction = 2;
    o.msOrderId = u"O1";
    o.meOrderType = 3;
    o.mnPositionQuantity = 1;
    o.mePurpose = 0;
    o.mnQuantity = 1;
    o.mnTime = VantorelCom::DateTime{637355968000000000, false};  // 2020-09-13 12:26:40
    return o;
}

ordered_json objectHostMembers(const char* priceKey, double price) {
    return {{"Account", "Sim101"}, {priceKey, price},    {"ExecutionId", "E1"},     {"Instrument", "ES 12-20"},
            {"InstrumentType", 1}, {"MarketPosition", 0}, {"OrderAction", 2},       {"OrderId", "O1"},
            {"OrderType", 3},      {"PositionQuantity", 1}, {"Purpose", 0},         {"Quantity", 1},
            {"Time", kSeptember2020Eastern}};
}

VantorelCom::VantorelComManager objectHost(std::int32_t source) {
    VantorelCom::VantorelComManager manager(source, u"8.0.1", 0);
    manager.msKXAPIKey = u"KEY";
    return manager;
}

// One flat host kind through its C functions: set then send.
struct FlatSend {
    const char* name;
    std::function<void()> initialize;
    std::function<void()> set;
    std::function<std::u16string()> send;
};

std::vector<FlatSend> flatSends() {
    return {
        {"TS9", [] { SendInitialize_TS9("KEY", 4, "9.5", 0, 0); }, setTs9, [] { return takeAnsi(SendOrderData_TS9()); }},
        {"TS10", [] { SendInitialize_TS10("KEY", 7, "10.1", 0, 0); }, setTs10,
         [] { return takeAnsi(SendOrderData_TS10()); }},
        {"MT4", [] { SendInitialize_MT4(u"KEY", 5, u"4.0", 0, 0); }, setMt4, [] { return takeWide(SendOrderData_MT4()); }},
        {"MT5", [] { SendInitialize_MT5(u"KEY", 6, u"5.0", 0, 0); }, setMt5, [] { return takeWide(SendOrderData_MT5()); }},
    };
}

class OrderSendTest : public vcom::testing::SandboxTest {
protected:
    void SetUp() override {
        SandboxTest::SetUp();
        mTz = std::make_unique<ScopedEnv>("TZ", std::string("UTC"));
    }
    void TearDown() override {
        mTz.reset();
        SandboxTest::TearDown();
    }

    // The raw "sendOrder" bodies received since the last call.
    std::vector<std::string> takeOrderBodies() {
        std::vector<std::string> bodies;
        for (const auto& received : sandbox().received())
            if (received.endpoint == "sendOrder") bodies.push_back(received.body);
        sandbox().clearReceived();
        return bodies;
    }

    // The one "sendOrder" document received since the last call, parsed.
    ordered_json takeOneOrder() {
        const auto bodies = takeOrderBodies();
        EXPECT_EQ(bodies.size(), 1u);
        if (bodies.size() != 1) return {};
        vcom::testing::parseDocument(bodies.front());
        return ordered_json::parse(bodies.front(), nullptr, false);
    }

private:
    std::unique_ptr<ScopedEnv> mTz;
};

TEST_F(OrderSendTest, TsExampleArrivesByteForByte) {
    SendInitialize_TS9("", 4, "9.5", 0, 0);
    setTs9();
    EXPECT_EQ(takeAnsi(SendOrderData_TS9()), u"");
    const auto bodies = takeOrderBodies();
    ASSERT_EQ(bodies.size(), 1u);
    const std::string ip = vcom::testing::parseDocument(bodies[0])["Order"]["IPAddress"].get<std::string>();
    EXPECT_EQ(bodies[0],
              R"({"Order":{"KXAPIKey":"","Source":4,"SourceVersion":"9.5","VantorelVersion":"4.6.0.0",)"
              R"("IPAddress":")" + ip + R"(","AccountId":"SIM1","AvgFilledPrice":101.25,)"
              R"("FilledTime":637426746000000000,"OrderId":"77","OrderAction":1,"OrderType":2,)"
              R"("PositionQuantity":100,"Purpose":0,"Quantity":100,"SecurityType":0,"Symbol":"ESZ20"}})");
}

// The layout follows the operation called; "Source" is the manager's own.
TEST_F(OrderSendTest, EachOperationSendsItsLayoutWithTheManagersSource) {
    struct Case {
        const char* name;
        std::function<std::u16string()> run;  // the result as text
        std::int64_t source;
        std::string sourceVersion;
        ordered_json members;
    };
    auto code = [](std::int32_t c) { return fromUtf8(std::to_string(c)); };
    const Case cases[] = {
        {"TS9", [] { SendInitialize_TS9("KEY", 4, "9.5", 0, 0); setTs9(); return takeAnsi(SendOrderData_TS9()); },
         4, "9.5", kTsMembers},
        {"TS10", [] { SendInitialize_TS10("KEY", 7, "10.1", 0, 0); setTs10(); return takeAnsi(SendOrderData_TS10()); },
         7, "10.1", kTsMembers},
        {"MT4", [] { SendInitialize_MT4(u"KEY", 5, u"4.0", 0, 0); setMt4(); return takeWide(SendOrderData_MT4()); },
         5, "4.0", kMt4Members},
        {"MT5", [] { SendInitialize_MT5(u"KEY", 6, u"5.0", 0, 0); setMt5(); return takeWide(SendOrderData_MT5()); },
         6, "5.0", kMt5Members},
        {"MT4 layout on a TS9 manager",
         [] { SendInitialize_TS9("KEY", 4, "9.5", 0, 0); setMt4(); return takeWide(SendOrderData_MT4()); },
         4, "9.5", kMt4Members},
        {"NT7", [&] { auto m = objectHost(2); return code(m.SendOrderData_NT7(objectHostOrder())); }, 2, "8.0.1",
         objectHostMembers("AvgFillPrice", 4000.25)},
        {"NT8", [&] { auto m = objectHost(3); return code(m.SendOrderData_NT8(objectHostOrder())); }, 3, "8.0.1",
         objectHostMembers("AverageFillPrice", 4000.5)},
        {"NT8 layout on an NT7 manager",
         [&] { auto m = objectHost(2); return code(m.SendOrderData_NT8(objectHostOrder())); }, 2, "8.0.1",
         objectHostMembers("AverageFillPrice", 4000.5)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::u16string result = c.run();
        EXPECT_TRUE(result == u"" || result == u"1") << vcom::text::toUtf8(result);
        ordered_json order = takeOneOrder()["Order"];
        EXPECT_EQ(order["Source"], c.source);
        EXPECT_EQ(order["SourceVersion"], c.sourceVersion);
        EXPECT_EQ(order["VantorelVersion"], "4.6.0.0");
        EXPECT_EQ(order["KXAPIKey"], "KEY");
        EXPECT_FALSE(order["IPAddress"].get<std::string>().empty());
        for (const char* key : {"KXAPIKey", "Source", "SourceVersion", "VantorelVersion", "IPAddress"})
            order.erase(key);
        EXPECT_EQ(order, c.members);
    }
}

TEST_F(OrderSendTest, FlatResultIsTheLastErrorAfterThePost) {
    struct Case {
        const char* name;
        ScriptedReply reply;
        std::u16string expected;
    };
    const Case cases[] = {
        {"accepted", ScriptedReply::accepted(""), u""},
        {"refused with a description", ScriptedReply::refused("Invalid API key"), u"Invalid API key"},
        {"stop", ScriptedReply::refused("Stop Vantorel"), u"Stop Vantorel"},
    };
    for (const auto& host : flatSends()) {
        host.initialize();
        host.set();
        for (const Case& c : cases) {
            sandbox().script(c.reply);
            EXPECT_EQ(host.send(), c.expected) << host.name << ": " << c.name;
        }
        EXPECT_EQ(takeOrderBodies().size(), std::size(cases)) << host.name;
    }
}

TEST_F(OrderSendTest, ObjectHostResultCodes) {
    struct Case {
        const char* name;
        ScriptedReply reply;
        std::int32_t expected;
    };
    const Case cases[] = {
        {"accepted", ScriptedReply::accepted(""), 1},
        {"refused with the stop text", ScriptedReply::refused("Stop Vantorel"), -1},
        {"refused with another text", ScriptedReply::refused("Invalid API key"), 0},
        {"refused without a text", ScriptedReply::refused(""), 0},
        {"server error", ScriptedReply::httpStatus(500), 0},
    };
    auto nt7 = objectHost(2);
    auto nt8 = objectHost(3);
    for (const Case& c : cases) {
        sandbox().script(c.reply);
        EXPECT_EQ(nt7.SendOrderData_NT7(objectHostOrder()), c.expected) << "NT7: " << c.name;
        sandbox().script(c.reply);
        EXPECT_EQ(nt8.SendOrderData_NT8(objectHostOrder()), c.expected) << "NT8: " << c.name;
    }
    EXPECT_EQ(takeOrderBodies().size(), 2 * std::size(cases));
}

TEST_F(OrderSendTest, TransportFailureIsReported) {
    auto nt7 = objectHost(2);
    SendInitialize_MT5(u"KEY", 6, u"5.0", 0, 0);
    setMt5();
    sandbox().stop();
    EXPECT_EQ(nt7.SendOrderData_NT7(objectHostOrder()), 0);
    EXPECT_NE(takeWide(SendOrderData_MT5()), u"");
}

TEST_F(OrderSendTest, TwoSendsWithoutASetPostTheSameOrderTwice) {
    for (const auto& host : flatSends()) {
        host.initialize();
        host.set();
        host.send();
        host.send();
        const auto bodies = takeOrderBodies();
        ASSERT_EQ(bodies.size(), 2u) << host.name;
        EXPECT_EQ(bodies[0], bodies[1]) << host.name;
    }
}

TEST_F(OrderSendTest, SendBeforeAnyInitializeGivesEmptyTextAndPostsNothing) {
    for (const auto& host : flatSends()) {
        host.set();
        EXPECT_EQ(host.send(), u"") << host.name;
    }
    EXPECT_TRUE(sandbox().received().empty());
}

TEST_F(OrderSendTest, FlatSendWithoutPendingOrderGivesNokAndPostsNothing) {
    for (const auto& host : flatSends()) {
        host.initialize();
        EXPECT_EQ(host.send(), u"NOK") << host.name;
    }
    EXPECT_TRUE(takeOrderBodies().empty());
}

}  // namespace
