#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

#include "VantorelCom/COM_Order.h"
#include "manager/message_header.h"
#include "trade/order_document.h"

namespace {

using nlohmann::ordered_json;
using VantorelCom::COM_Order;
using vcom::MessageHeader;
using vcom::trade::buildOrderDocument;
using vcom::trade::OrderLayout;

MessageHeader exampleHeader() {
    MessageHeader h;
    h.apiKey = u"";
    h.source = 4;
    h.sourceVersion = u"9.5";
    h.vantorelVersion = u"4.6.0.0";
    h.ipAddress = u"0A1B2C3D4E5F";
    return h;
}

COM_Order exampleTsOrder() {
    COM_Order o;
    o.msAccountId = u"SIM1";
    o.mdAvgFilledPrice = 101.25;
    o.msOrderId = u"77";
    o.meOrderAction = 1;
    o.meOrderType = 2;
    o.mnPositionQuantity = 100;
    o.mePurpose = 0;
    o.mnQuantity = 100;
    o.meSecurityType = 0;
    o.msSymbol = u"ESZ20";
    return o;
}

std::vector<std::string> orderKeys(const std::string& document) {
    const ordered_json parsed = ordered_json::parse(document);
    EXPECT_EQ(parsed.size(), 1u);
    std::vector<std::string> keys;
    for (const auto& item : parsed.at("Order").items()) keys.push_back(item.key());
    return keys;
}

TEST(OrderDocument, TsExampleByteForByte) {
    EXPECT_EQ(buildOrderDocument(exampleHeader(), exampleTsOrder(), OrderLayout::TS, 637426746000000000),
              R"({"Order":{"KXAPIKey":"","Source":4,"SourceVersion":"9.5","VantorelVersion":"4.6.0.0",)"
              R"("IPAddress":"0A1B2C3D4E5F","AccountId":"SIM1","AvgFilledPrice":101.25,)"
              R"("FilledTime":637426746000000000,"OrderId":"77","OrderAction":1,"OrderType":2,)"
              R"("PositionQuantity":100,"Purpose":0,"Quantity":100,"SecurityType":0,"Symbol":"ESZ20"}})");
}

TEST(OrderDocument, EachLayoutHasItsKeysInItsOrder) {
    const std::vector<std::string> header = {"KXAPIKey", "Source", "SourceVersion", "VantorelVersion", "IPAddress"};
    struct Case {
        OrderLayout layout;
        std::vector<std::string> members;
    };
    const Case cases[] = {
        {OrderLayout::NT7,
         {"Account", "AvgFillPrice", "ExecutionId", "Instrument", "InstrumentType", "MarketPosition", "OrderAction",
          "OrderId", "OrderType", "PositionQuantity", "Purpose", "Quantity", "Time"}},
        {OrderLayout::NT8,
         {"Account", "AverageFillPrice", "ExecutionId", "Instrument", "InstrumentType", "MarketPosition",
          "OrderAction", "OrderId", "OrderType", "PositionQuantity", "Purpose", "Quantity", "Time"}},
        {OrderLayout::TS,
         {"AccountId", "AvgFilledPrice", "FilledTime", "OrderId", "OrderAction", "OrderType", "PositionQuantity",
          "Purpose", "Quantity", "SecurityType", "Symbol"}},
        {OrderLayout::MT4,
         {"AccountNumber", "Expert", "Lots", "OrderTicket", "OrderType", "PositionLots", "Price", "Purpose",
          "Symbol", "SymbolCalcMode", "Time"}},
        {OrderLayout::MT5,
         {"AccountLogin", "DealTicket", "DealType", "Expert", "OrderType", "PositionType", "PositionVolume",
          "Price", "Purpose", "Symbol", "SymbolCalcMode", "Time", "Volume"}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> expected = header;
        expected.insert(expected.end(), c.members.begin(), c.members.end());
        EXPECT_EQ(orderKeys(buildOrderDocument(exampleHeader(), COM_Order{}, c.layout, 0)), expected)
            << static_cast<int>(c.layout);
    }
}

// Every field carries a value of its own, so a member that reads the wrong
// field shows.
COM_Order distinctOrder() {
    COM_Order o;
    o.msAccount = u"acc";
    o.msAccountId = u"accId";
    o.msAccountLogin = u"login";
    o.msAccountNumber = u"number";
    o.mdAverageFillPrice = 1.5;
    o.mdAvgFilledPrice = 2.5;
    o.mdAvgFillPrice = 3.5;
    o.mnDealTicket = 9000000000001;
    o.meDealType = 4;
    o.msExecutionId = u"exec";
    o.msExpert = u"expert";
    o.msInstrument = u"instr";
    o.meInstrumentType = 5;
    o.mdLots = 0.25;
    o.meMarketPosition = 6;
    o.meOrderAction = 7;
    o.msOrderId = u"order";
    o.mnOrderTicket = -9000000000002;
    o.meOrderType = 8;
    o.mdPositionLots = 0.75;
    o.mnPositionQuantity = -9;
    o.mePositionType = 10;
    o.mdPositionVolume = 11.5;
    o.mdPrice = 12.5;
    o.mePurpose = 13;
    o.mnQuantity = 14;
    o.meSecurityType = 15;
    o.msSymbol = u"sym";
    o.meSymbolCalcMode = 16;
    o.mdVolume = 17.5;
    return o;
}

TEST(OrderDocument, MembersCarryTheirOwnFields) {
    const COM_Order o = distinctOrder();
    const MessageHeader h = exampleHeader();
    struct Case {
        OrderLayout layout;
        ordered_json expected;
    };
    const Case cases[] = {
        {OrderLayout::NT7,
         {{"Account", "acc"}, {"AvgFillPrice", 3.5}, {"ExecutionId", "exec"}, {"Instrument", "instr"},
          {"InstrumentType", 5}, {"MarketPosition", 6}, {"OrderAction", 7}, {"OrderId", "order"},
          {"OrderType", 8}, {"PositionQuantity", -9}, {"Purpose", 13}, {"Quantity", 14}, {"Time", 123}}},
        {OrderLayout::NT8,
         {{"Account", "acc"}, {"AverageFillPrice", 1.5}, {"ExecutionId", "exec"}, {"Instrument", "instr"},
          {"InstrumentType", 5}, {"MarketPosition", 6}, {"OrderAction", 7}, {"OrderId", "order"},
          {"OrderType", 8}, {"PositionQuantity", -9}, {"Purpose", 13}, {"Quantity", 14}, {"Time", 123}}},
        {OrderLayout::TS,
         {{"AccountId", "accId"}, {"AvgFilledPrice", 2.5}, {"FilledTime", 123}, {"OrderId", "order"},
          {"OrderAction", 7}, {"OrderType", 8}, {"PositionQuantity", -9}, {"Purpose", 13}, {"Quantity", 14},
          {"SecurityType", 15}, {"Symbol", "sym"}}},
        {OrderLayout::MT4,
         {{"AccountNumber", "number"}, {"Expert", "expert"}, {"Lots", 0.25}, {"OrderTicket", -9000000000002},
          {"OrderType", 8}, {"PositionLots", 0.75}, {"Price", 12.5}, {"Purpose", 13}, {"Symbol", "sym"},
          {"SymbolCalcMode", 16}, {"Time", 123}}},
        {OrderLayout::MT5,
         {{"AccountLogin", "login"}, {"DealTicket", 9000000000001}, {"DealType", 4}, {"Expert", "expert"},
          {"OrderType", 8}, {"PositionType", 10}, {"PositionVolume", 11.5}, {"Price", 12.5}, {"Purpose", 13},
          {"Symbol", "sym"}, {"SymbolCalcMode", 16}, {"Time", 123}, {"Volume", 17.5}}},
    };
    for (const Case& c : cases) {
        ordered_json order = ordered_json::parse(buildOrderDocument(h, o, c.layout, 123)).at("Order");
        for (const char* key : {"KXAPIKey", "Source", "SourceVersion", "VantorelVersion", "IPAddress"})
            order.erase(key);
        EXPECT_EQ(order, c.expected) << static_cast<int>(c.layout);
    }
}

TEST(OrderDocument, DefaultRecordSendsEmptyTextsZerosAndNinetyNines) {
    EXPECT_EQ(buildOrderDocument(exampleHeader(), COM_Order{}, OrderLayout::NT7, 0),
              R"({"Order":{"KXAPIKey":"","Source":4,"SourceVersion":"9.5","VantorelVersion":"4.6.0.0",)"
              R"("IPAddress":"0A1B2C3D4E5F","Account":"","AvgFillPrice":0,"ExecutionId":"","Instrument":"",)"
              R"("InstrumentType":99,"MarketPosition":99,"OrderAction":99,"OrderId":"","OrderType":99,)"
              R"("PositionQuantity":0,"Purpose":99,"Quantity":0,"Time":0}})");
}

TEST(OrderDocument, TextsDecodeBackToTheStoredText) {
    struct Case {
        const char* name;
        std::u16string stored;
        std::string decoded;  // UTF-8 of what the service reads
    };
    const Case cases[] = {
        {"quote", u"AB\"C", "AB\"C"},
        {"backslash", u"C:\\dir", "C:\\dir"},
        {"line break", u"a\nb\r\tc", "a\nb\r\tc"},
        {"control", std::u16string(u"x") + char16_t(0x01) + u"y", std::string("x\x01y")},
        {"non-ASCII", u"Zürich €𝄞", "Z\xC3\xBCrich \xE2\x82\xAC\xF0\x9D\x84\x9E"},
        {"lone surrogate", std::u16string(u"a") + char16_t(0xD800) + u"b", "a\xEF\xBF\xBD" "b"},
        {"empty", u"", ""},
    };
    for (const Case& c : cases) {
        COM_Order o;
        o.msSymbol = c.stored;
        MessageHeader h = exampleHeader();
        h.apiKey = c.stored;
        const auto parsed = nlohmann::json::parse(buildOrderDocument(h, o, OrderLayout::MT4, 0), nullptr, false);
        ASSERT_FALSE(parsed.is_discarded()) << c.name;
        EXPECT_EQ(parsed["Order"]["Symbol"].get<std::string>(), c.decoded) << c.name;
        EXPECT_EQ(parsed["Order"]["KXAPIKey"].get<std::string>(), c.decoded) << c.name;
    }
}

TEST(OrderDocument, DoublesInTheInvariantGeneralForm) {
    struct Case {
        double value;
        const char* text;
    };
    const Case cases[] = {
        {101.25, "101.25"}, {1.0 / 3, "0.333333333333333"}, {0.00001, "1E-05"}, {1e15, "1E+15"},
        {-0.0, "0"},        {-2.5, "-2.5"},
    };
    for (const Case& c : cases) {
        COM_Order o;
        o.mdPrice = c.value;
        const std::string doc = buildOrderDocument(exampleHeader(), o, OrderLayout::MT5, 0);
        EXPECT_NE(doc.find(std::string("\"Price\":") + c.text + ","), std::string::npos) << doc;
    }
}

}  // namespace
