// The C boundary as a host meets it: the state before any initialize, the
// manager's lifecycle, the process-wide aids and bad arguments.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "VantorelCom2.h"
#include "support/c_results.h"
#include "support/sandbox_test.h"

namespace {

// Text results are never null, an empty one neither.
template <class Result>
auto take(Result* result) {
    auto text = vcom::testing::takeResult(result);
    EXPECT_TRUE(text.has_value()) << "a text result was null";
    return text.value_or(typename decltype(text)::value_type());
}

std::vector<std::string> endpoints(const vcom::sandbox::RelaySandbox& sandbox) {
    std::vector<std::string> names;
    for (const auto& doc : sandbox.received()) names.push_back(doc.endpoint);
    return names;
}

class ExportsLifecycle : public vcom::testing::SandboxTest {};

TEST_F(ExportsLifecycle, BeforeAnyInitializeManagerExportsYieldEmptyResults) {
    VL_WCHAR empty16[] = {0};
    EXPECT_EQ(take(SendOrderData_TS9()), "");
    EXPECT_EQ(take(SendOrderData_TS10()), "");
    EXPECT_EQ(take(SendOrderData_MT4()), u"");
    EXPECT_EQ(take(SendOrderData_MT5()), u"");
    EXPECT_EQ(take(SendPositionData_TS9("A | ")), "");
    EXPECT_EQ(take(SendPositionData_TS10("A | ")), "");
    EXPECT_EQ(take(SendPositionData_MT4(u"A | ")), u"");
    EXPECT_EQ(take(SendPositionData_MT5(u"A | ")), u"");
    for (int kind : {209, 213, 215, 304, 308, 405}) {
        EXPECT_EQ(take(LogToVL_TS9("x", kind)), "") << kind;
        EXPECT_EQ(take(LogToVL_MT5(empty16, kind)), u"") << kind;
    }
    SendOrderData_set_TS9("A", 1, 0, "1", 1, 1, 1, 0, 1, 0, "ES");
    SendPositionData_add_TS9("A", 1, 1, 1, 0, "ES");
    SendDeinitialize_TS9();
    SendDeinitialize_MT4();
    EXPECT_TRUE(sandbox().received().empty());

    // Nothing set before the first initialize reaches the new manager.
    EXPECT_EQ(SendInitialize_TS9("key", 4, "9.5", 5, 2), 1);
    EXPECT_EQ(take(SendOrderData_TS9()), "NOK");
    EXPECT_EQ(take(SendPositionData_TS9("A | ")), "");
    const auto docs = sandbox().received();
    ASSERT_EQ(docs.size(), 2u);
    EXPECT_NE(docs[1].body.find("\"Positions\":[]"), std::string::npos) << docs[1].body;
}

TEST_F(ExportsLifecycle, VersionNeedsNoManager) {
    EXPECT_EQ(take(GetVLVersion_TS9()), "4.6.0.0");
    EXPECT_EQ(take(GetVLVersion_TS10()), "4.6.0.0");
    EXPECT_EQ(take(GetVLVersion_MT4()), u"4.6.0.0");
    EXPECT_EQ(take(GetVLVersion_MT5()), u"4.6.0.0");
}

TEST_F(ExportsLifecycle, InstanceCountHasNoLowerBound) {
    const std::vector<std::pair<VL_BOOL, VL_BOOL>> calls = {
        {1, 0}, {1, 1}, {0, 1}, {0, 1}, {0, 0}, {1, 0}, {7, 0}, {0, 1}};
    for (std::size_t i = 0; i < calls.size(); ++i) {
        EXPECT_EQ(VantorelInstanceExists(calls[i].first), calls[i].second) << "call " << i;
    }
}

TEST_F(ExportsLifecycle, StopFlagIsTheHostsAndSurvivesInitialize) {
    EXPECT_EQ(GetStopVantorel(), 0);
    SetStopVantorel(2);
    EXPECT_EQ(GetStopVantorel(), 1);
    EXPECT_EQ(SendInitialize_MT4(u"key", 5, u"4", 5, 2), 1);
    EXPECT_EQ(GetStopVantorel(), 1);
    SetStopVantorel(0);
    EXPECT_EQ(GetStopVantorel(), 0);
}

TEST_F(ExportsLifecycle, SecondInitializeReplacesTheManagerWithoutDeinitialize) {
    ASSERT_EQ(SendInitialize_TS9("first", 4, "9.5", 5, 2), 1);
    SendOrderData_set_TS9("A", 1, 0, "1", 1, 1, 1, 0, 1, 0, "ES");
    SendPositionData_add_TS9("A", 1, 1, 1, 0, "ES");
    ASSERT_EQ(SendInitialize_TS9("second", 4, "9.5", 5, 2), 1);
    EXPECT_EQ(take(SendOrderData_TS9()), "NOK") << "the first manager's pending order is gone";
    EXPECT_EQ(take(SendPositionData_TS9("A | ")), "");
    EXPECT_EQ(endpoints(sandbox()),
              (std::vector<std::string>{"sendInitialize", "sendInitialize", "sendPosition"}));
    EXPECT_NE(sandbox().received()[2].body.find("\"Positions\":[]"), std::string::npos);
}

TEST_F(ExportsLifecycle, ManagerStaysCurrentAfterDeinitialize) {
    ASSERT_EQ(SendInitialize_TS10("key", 7, "10", 5, 2), 1);
    SendOrderData_set_TS10("A", 1, 0, "1", 1, 1, 1, 0, 1, 0, "ES");
    SendDeinitialize_TS10();
    EXPECT_EQ(take(SendOrderData_TS10()), "");
    EXPECT_EQ(endpoints(sandbox()),
              (std::vector<std::string>{"sendInitialize", "sendDeinitialize", "sendOrder"}));
}

TEST_F(ExportsLifecycle, NullTextArgumentsAreEmptyText) {
    EXPECT_EQ(SendInitialize_TS9(nullptr, 4, nullptr, 5, 2), 1);
    EXPECT_EQ(SendInitialize_MT5(nullptr, 6, nullptr, 5, 2), 1);
    SendOrderData_set_TS9(nullptr, 1, 0, nullptr, 1, 1, 1, 0, 1, 0, nullptr);
    EXPECT_EQ(take(SendOrderData_TS9()), "");
    SendOrderData_set_MT5(nullptr, 1, 1, nullptr, 1, 1, 1, 1, 1, nullptr, 1, 0, 1);
    EXPECT_EQ(take(SendOrderData_MT5()), u"");
    SendPositionData_add_MT4(nullptr, 1, 1, nullptr, 0);
    EXPECT_EQ(take(SendPositionData_MT4(nullptr)), u"NOK");
    EXPECT_EQ(take(SendPositionData_TS9(nullptr)), "NOK");
    EXPECT_EQ(take(LogToVL_TS9(nullptr, 209)), "KX | CLIENT | STARTED | ");
    EXPECT_EQ(take(LogToVL_MT4(nullptr, 210)), u"KX | CLIENT | STOPPED | ");
    RegisterOrderToUpdate(nullptr, nullptr, 8, nullptr);
    EXPECT_EQ(take(GetRegisteredOrderToUpdate()), "");
    EXPECT_EQ(GetPositionQuantityCorrected(nullptr, 1, 5), 5);

    const auto docs = sandbox().received();
    ASSERT_EQ(docs.size(), 4u);
    EXPECT_NE(docs[0].body.find("\"KXAPIKey\":\"\""), std::string::npos) << docs[0].body;
    EXPECT_NE(docs[2].body.find("\"AccountId\":\"\""), std::string::npos) << docs[2].body;
}

TEST_F(ExportsLifecycle, LoneSurrogatesBecomeReplacementCharacters) {
    const VL_WCHAR key[] = {u'k', 0xD800, u'y', 0};
    ASSERT_EQ(SendInitialize_MT4(key, 5, u"4", 5, 2), 1);
    const auto docs = sandbox().received();
    ASSERT_EQ(docs.size(), 1u);
    EXPECT_NE(docs[0].body.find("\"KXAPIKey\":\"k\xEF\xBF\xBDy\""), std::string::npos) << docs[0].body;
}

TEST_F(ExportsLifecycle, RegistryAndMonitorAreEmptiedByInitializeOnly) {
    RegisterOrderToUpdate("A7", "", 8, "ready");
    EXPECT_EQ(GetPositionQuantityCorrected("ES", 5, 100), 100);
    EXPECT_EQ(GetPositionQuantityCorrected("ES", 5, 100), 105);
    ASSERT_EQ(SendInitialize_TS9("key", 4, "9.5", 5, 2), 1);
    EXPECT_EQ(take(GetRegisteredOrderToUpdate()), "");
    EXPECT_EQ(GetPositionQuantityCorrected("ES", 5, 100), 100) << "a first call again";

    RegisterOrderToUpdate("B2", "", 8, "kept");
    EXPECT_EQ(GetPositionQuantityCorrected("ES", 5, 100), 105);
    SendDeinitialize_TS9();
    EXPECT_EQ(take(GetRegisteredOrderToUpdate()), "kept");
    EXPECT_EQ(GetPositionQuantityCorrected("ES", 5, 100), 110);
}

}  // namespace
