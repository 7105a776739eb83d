// Hostile arguments through every export: null, broken UTF-16 and 8-bit
// text, megabyte texts, quotes and control characters, and the edge values
// of every integer, 64-bit integer and double. Nothing may crash, every
// result must be one the interface allows, and every document the service
// receives must still be JSON.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "VantorelCom/DateTime.h"
#include "VantorelCom2.h"
#include "support/json_check.h"
#include "support/sandbox_test.h"

namespace {

std::optional<std::string> take(char* text) {
    if (!text) return std::nullopt;
    std::string s = text;
    std::free(text);
    return s;
}

std::optional<std::u16string> take(VL_WCHAR* text) {
    if (!text) return std::nullopt;
    std::u16string s = text;
    std::free(text);
    return s;
}

// One hostile text in both encodings; null pointers where `null` is set.
struct HostileText {
    const char* name;
    bool null = false;
    std::string ansi;
    std::u16string wide;
    const char* a() const { return null ? nullptr : ansi.c_str(); }
    const VL_WCHAR* w() const { return null ? nullptr : wide.c_str(); }
};

std::vector<HostileText> hostileTexts() {
    const std::size_t mb = std::size_t{1} << 20;
    return {
        {"null", true, "", u""},
        {"empty", false, "", u""},
        {"lone surrogates", false, "\x80\xFF", std::u16string{u'a', 0xD800, u'b', 0xDFFF, 0xDC00, 0xD83D}},
        {"invalid 8-bit bytes", false, "\xC3\x28\xE2\x82\xFE\xFF\xC0\xAF", u"\xFFFE\xFFFF"},
        {"quotes and controls", false, "\"q\\\x01\n\r\t\x7F", u"\"q\\\x01\n\r\t\x7F"},
        {"separator only", false, " | ", u" | "},
        {"one megabyte", false, std::string(mb, 'M'), std::u16string(mb, u'\u00e9')},
    };
}

constexpr std::int32_t kInt32Edges[] = {std::numeric_limits<std::int32_t>::min(), -1, 0, 1, 99,
                                        std::numeric_limits<std::int32_t>::max()};
constexpr std::int64_t kInt64Edges[] = {std::numeric_limits<std::int64_t>::min(),
                                        std::int64_t{std::numeric_limits<std::int32_t>::min()} - 1,
                                        -1, 0, 1, 99,
                                        std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1,
                                        std::numeric_limits<std::int64_t>::max()};
const double kFiniteDoubleEdges[] = {0.0, -0.0, 1e-310, -1e-310, std::numeric_limits<double>::min(),
                                     1e15, 0.1 + 0.2, 9007199254740993.0};
// Values whose document form a strict JSON reader refuses: the words, and
// the largest doubles, whose 15-digit form lies beyond the double range.
struct SpecialDouble {
    double value;
    const char* form;
};
const SpecialDouble kSpecialDoubles[] = {
    {std::numeric_limits<double>::quiet_NaN(), "NaN"},
    {std::numeric_limits<double>::infinity(), "Infinity"},
    {-std::numeric_limits<double>::infinity(), "-Infinity"},
    {std::numeric_limits<double>::max(), "1.79769313486232E+308"},
    {std::numeric_limits<double>::lowest(), "-1.79769313486232E+308"},
};

class ReliabilityBadInput : public vcom::testing::SandboxTest {
protected:
    // Every document received so far parses as JSON; returns how many.
    std::size_t expectEveryDocumentIsJson(const char* what) {
        const auto received = sandbox().received();
        for (const auto& doc : received) {
            const auto parsed = nlohmann::json::parse(doc.body, nullptr, false);
            EXPECT_FALSE(parsed.is_discarded())
                << what << ": " << doc.endpoint << " is not JSON: " << doc.body.substr(0, 300);
        }
        sandbox().clearReceived();
        return received.size();
    }

    // The one "sendOrder" document received since the last check.
    nlohmann::json lastOrder() {
        nlohmann::json order;
        for (const auto& doc : sandbox().received())
            if (doc.endpoint == "sendOrder") order = vcom::testing::parseDocument(doc.body);
        sandbox().clearReceived();
        return order.is_object() && order.contains("Order") ? order["Order"] : nlohmann::json();
    }
};

TEST_F(ReliabilityBadInput, HostileTextInEveryTextArgument) {
    std::size_t documents = 0;
    for (const HostileText& h : hostileTexts()) {
        SCOPED_TRACE(h.name);
        for (int wide = 0; wide < 2; ++wide) {
            const std::int32_t init = wide ? SendInitialize_MT4(h.w(), 5, h.w(), 3, 1)
                                           : SendInitialize_TS9(h.a(), 4, h.a(), 3, 1);
            EXPECT_EQ(init, 1);
            if (wide) {
                SendOrderData_set_MT4(h.w(), h.w(), 1, 2, 3, 4, 5, 6, h.w(), 7, 1600000000);
                EXPECT_EQ(take(SendOrderData_MT4()), std::optional<std::u16string>(u""));
                SendOrderData_set_MT5(h.w(), 1, 2, h.w(), 3, 4, 5, 6, 7, h.w(), 8, 1600000000, 9);
                EXPECT_EQ(take(SendOrderData_MT5()), std::optional<std::u16string>(u""));
                SendPositionData_add_MT4(h.w(), 1, 2, h.w(), 3);
                SendPositionData_add_MT5(h.w(), 1, h.w(), 2, 3, 4);
                EXPECT_EQ(take(SendPositionData_MT4(u"A | ")), std::optional<std::u16string>(u""));
                const auto own = take(SendPositionData_MT5(h.w()));
                ASSERT_TRUE(own);
                EXPECT_TRUE(*own == u"NOK" || own->empty());
                for (int kind : {209, 213, 304, 308, 404, 405})
                    EXPECT_TRUE(take(LogToVL_MT5(h.w(), kind))) << kind;
            } else {
                SendOrderData_set_TS9(h.a(), 1, 2, h.a(), 3, 4, 5, 6, 7, 8, h.a());
                EXPECT_EQ(take(SendOrderData_TS9()), std::optional<std::string>(""));
                SendOrderData_set_TS10(h.a(), 1, 2, h.a(), 3, 4, 5, 6, 7, 8, h.a());
                EXPECT_EQ(take(SendOrderData_TS10()), std::optional<std::string>(""));
                SendPositionData_add_TS9(h.a(), 1, 2, 3, 4, h.a());
                SendPositionData_add_TS10(h.a(), 1, 2, 3, 4, h.a());
                EXPECT_EQ(take(SendPositionData_TS9("A | ")), std::optional<std::string>(""));
                const auto own = take(SendPositionData_TS10(h.a()));
                ASSERT_TRUE(own);
                EXPECT_TRUE(*own == "NOK" || own->empty()) << *own;
                for (int kind : {209, 213, 304, 308, 404, 405})
                    EXPECT_TRUE(take(LogToVL_TS10(h.a(), kind))) << kind;
            }
            SendDeinitialize_MT5();
            documents += expectEveryDocumentIsJson(h.name);
        }

        // The aids need no manager.
        RegisterOrderToUpdate(h.a(), h.a(), 1, h.a());
        RegisterOrderToUpdate(h.a(), h.a(), 8, h.a());
        EXPECT_TRUE(take(GetRegisteredOrderToUpdate()));
        RegisterOrderToUpdate(h.a(), h.a(), -1, h.a());
        GetPositionQuantityCorrected(h.a(), 1, 2);
        GetPositionQuantityCorrected(h.a(), 1, 2);
    }
    std::printf("FIGURE bad_input_text_documents_parsed: %zu\n", documents);
}

TEST_F(ReliabilityBadInput, MegabyteKeyIsStoredAndReadBackWhole) {
    const std::string key(std::size_t{1} << 20, 'K');
    ASSERT_EQ(SendInitialize_TS10(key.c_str(), 7, "10", 3, 2), 1);
    EXPECT_EQ(take(ReadInitialData_TS10(7)), std::optional<std::string>(key));
}

TEST_F(ReliabilityBadInput, IntegerEdgesInEveryCodeAndCount) {
    for (const std::int32_t e : kInt32Edges) {
        SCOPED_TRACE(e);
        EXPECT_TRUE(take(ReadInitialData_TS9(e)));
        ComputeFilePath(e);
        const VL_BOOL exists = VantorelInstanceExists(e);
        EXPECT_TRUE(exists == 0 || exists == 1);
        SetStopVantorel(e);
        EXPECT_EQ(GetStopVantorel(), e != 0 ? 1 : 0);
        RegisterOrderToUpdate("id", "data", e, "text");
        EXPECT_TRUE(take(GetRegisteredOrderToUpdate()));
        for (const std::int32_t f : kInt32Edges) GetPositionQuantityCorrected("ES", e, f);
        // Unknown kinds have no line, before and after an initialize.
        if (e != 99 && (e < 101 || e > 999)) {
            EXPECT_EQ(take(LogToVL_TS9("x", e)), std::optional<std::string>(""));
        }

        // A source code outside the table, a retry limit and a status at the edge.
        const std::int32_t init = (e % 2) ? SendInitialize_MT5(u"k", e, u"v", e, e) : SendInitialize_TS9("k", e, "v", e, e);
        EXPECT_TRUE(init == 1 || init == -1) << init;
        SendOrderData_set_TS9("A", 1, e, "O", e, e, e, e, e, e, "S");
        EXPECT_EQ(take(SendOrderData_TS9()), std::optional<std::string>(""));
        SendOrderData_set_MT4(u"A", u"E", 1, e, e, 1, 1, e, u"S", e, e);
        EXPECT_EQ(take(SendOrderData_MT4()), std::optional<std::u16string>(u""));
        SendOrderData_set_MT5(u"A", e, e, u"E", e, e, 1, 1, e, u"S", e, e, 1);
        EXPECT_EQ(take(SendOrderData_MT5()), std::optional<std::u16string>(u""));
        SendPositionData_add_TS10("A", 1, e, e, e, "S");
        SendPositionData_add_MT4(u"A", 1, 1, u"S", e);
        SendPositionData_add_MT5(u"A", 1, u"S", e, e, 1);
        const auto sent = take(SendPositionData_TS10("A | "));
        ASSERT_TRUE(sent);
        EXPECT_TRUE(sent->empty() || *sent == "NOK") << *sent;
        EXPECT_TRUE(take(LogToVL_MT4(u"x", e)));
        SendDeinitialize_TS10();
        expectEveryDocumentIsJson("integer edges");
    }
}

TEST_F(ReliabilityBadInput, TimesAtTheEdgesClampIntoTheDateRange) {
    ASSERT_EQ(SendInitialize_MT4(u"k", 5, u"4", 3, 2), 1);
    std::vector<std::int64_t> mt4Times;
    for (const std::int64_t t : kInt64Edges) {
        SCOPED_TRACE(t);
        SendOrderData_set_MT4(u"A", u"E", 1, t, 0, 1, 1, 0, u"S", 0, t);
        ASSERT_EQ(take(SendOrderData_MT4()), std::optional<std::u16string>(u""));
        const auto order = lastOrder();
        ASSERT_TRUE(order.contains("Time")) << order.dump();
        const std::int64_t ticks = order["Time"].get<std::int64_t>();
        EXPECT_GE(ticks, 0);
        EXPECT_LE(ticks, VantorelCom::DateTime::kMaxTicks);
        EXPECT_EQ(order["OrderTicket"].get<std::int64_t>(), t) << "64-bit codes go out unchanged";
        mt4Times.push_back(ticks);

        SendOrderData_set_MT5(u"A", t, 0, u"E", 0, 0, 1, 1, 0, u"S", 0, t, 1);
        ASSERT_EQ(take(SendOrderData_MT5()), std::optional<std::u16string>(u""));
        const auto mt5 = lastOrder();
        ASSERT_TRUE(mt5.contains("Time")) << mt5.dump();
        EXPECT_GE(mt5["Time"].get<std::int64_t>(), 0);
        EXPECT_LE(mt5["Time"].get<std::int64_t>(), VantorelCom::DateTime::kMaxTicks);
    }
    // Clamping keeps the order of times.
    for (std::size_t i = 1; i < mt4Times.size(); ++i) EXPECT_LE(mt4Times[i - 1], mt4Times[i]) << i;
    std::printf("FIGURE bad_input_time_min_max_ticks: %lld .. %lld\n", static_cast<long long>(mt4Times.front()),
                static_cast<long long>(mt4Times.back()));

    ASSERT_EQ(SendInitialize_TS9("k", 4, "9", 3, 2), 1);
    for (const std::int32_t t : kInt32Edges) {
        SendOrderData_set_TS9("A", 1, t, "O", 0, 0, 0, 0, 0, 0, "S");
        ASSERT_EQ(take(SendOrderData_TS9()), std::optional<std::string>(""));
        const auto order = lastOrder();
        ASSERT_TRUE(order.contains("FilledTime")) << order.dump();
        EXPECT_GE(order["FilledTime"].get<std::int64_t>(), 0) << t;
        EXPECT_LE(order["FilledTime"].get<std::int64_t>(), VantorelCom::DateTime::kMaxTicks) << t;
    }
}

TEST_F(ReliabilityBadInput, DoubleEdgesInEveryPriceAndVolume) {
    ASSERT_EQ(SendInitialize_MT5(u"k", 6, u"5", 3, 2), 1);
    for (const double d : kFiniteDoubleEdges) {
        SCOPED_TRACE(d);
        SendOrderData_set_MT5(u"A", 1, 0, u"E", 0, 0, d, d, 0, u"S", 0, 0, d);
        ASSERT_EQ(take(SendOrderData_MT5()), std::optional<std::u16string>(u""));
        SendOrderData_set_TS9("A", d, 0, "O", 0, 0, 0, 0, 0, 0, "S");
        ASSERT_EQ(take(SendOrderData_TS9()), std::optional<std::string>(""));
        SendPositionData_add_MT5(u"A", d, u"S", 0, 0, d);
        SendPositionData_add_MT4(u"A", d, d, u"S", 0);
        SendPositionData_add_TS9("A", d, 0, 0, 0, "S");
        ASSERT_EQ(take(SendPositionData_MT5(u"A | ")), std::optional<std::u16string>(u""));
        EXPECT_TRUE(take(LogToVL_MT5(u"x", 304)));
        expectEveryDocumentIsJson("finite doubles");
    }

    // Documents carry these forms as they are; everything else stays JSON.
    for (const auto& [d, form] : kSpecialDoubles) {
        SCOPED_TRACE(form);
        SendOrderData_set_MT5(u"A", 1, 0, u"E", 0, 0, d, d, 0, u"S", 0, 0, d);
        ASSERT_EQ(take(SendOrderData_MT5()), std::optional<std::u16string>(u""));
        SendPositionData_add_MT5(u"A", d, u"S", 0, 0, d);
        ASSERT_EQ(take(SendPositionData_MT5(u"A | ")), std::optional<std::u16string>(u""));
        EXPECT_TRUE(take(LogToVL_MT5(u"x", 304)));
        const std::string word = form;
        for (const auto& doc : sandbox().received()) {
            if (doc.endpoint != "sendOrder" && doc.endpoint != "sendPosition") continue;
            std::string body = doc.body;
            EXPECT_NE(body.find(std::string(":") + word), std::string::npos) << body;
            for (std::size_t at; (at = body.find(std::string(":") + word)) != std::string::npos;)
                body.replace(at + 1, word.size(), "0");
            EXPECT_FALSE(nlohmann::json::parse(body, nullptr, false).is_discarded()) << body;
        }
        sandbox().clearReceived();
    }
}

}  // namespace
