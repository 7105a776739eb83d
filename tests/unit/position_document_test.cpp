#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "text/utf.h"
#include "trade/position_document.h"

namespace {

using VantorelCom::COM_Position;
using vcom::trade::buildPositionDocument;
using vcom::trade::PositionLayout;

const vcom::MessageHeader kHeader{u"KEY", 3, u"8.1", u"4.6.0.0", u"AA-BB"};
constexpr const char* kFrame =
    R"({"PositionSync":{"KXAPIKey":"KEY","Source":3,"SourceVersion":"8.1","VantorelVersion":"4.6.0.0",)"
    R"("IPAddress":"AA-BB","ActiveAccounts":["Sim101","Live"],"Positions":[)";

// One record with a distinct value in every field, so a member that reads
// the wrong field shows.
COM_Position everyFieldSet() {
    COM_Position p;
    p.msAccount = u"acc";
    p.msAccountId = u"accId";
    p.msAccountLogin = u"login";
    p.msAccountNumber = u"number";
    p.mdAveragePrice = 1.25;
    p.mdAvgPrice = 2.5;
    p.msInstrument = u"ES 06-25";
    p.meInstrumentType = 1;
    p.mdLots = 0.1;
    p.meMarketPosition = -2;
    p.mePositionType = 3;
    p.mdPriceOpen = 4.75;
    p.mnQuantity = -7;
    p.meSecurityType = 5;
    p.msSymbol = u"EURUSD";
    p.meSymbolCalcMode = 6;
    p.meType = 8;
    p.mdVolume = 0.25;
    return p;
}

struct LayoutCase {
    PositionLayout layout;
    const char* positionObject;
};

TEST(PositionDocument, ByteExactPerLayout) {
    const LayoutCase cases[] = {
        {PositionLayout::NT7,
         R"({"Account":"acc","AvgPrice":2.5,"Instrument":"ES 06-25","InstrumentType":1,"MarketPosition":-2,"Quantity":-7})"},
        {PositionLayout::NT8,
         R"({"Account":"acc","AveragePrice":1.25,"Instrument":"ES 06-25","InstrumentType":1,"MarketPosition":-2,"Quantity":-7})"},
        {PositionLayout::TS,
         R"({"AccountId":"accId","AveragePrice":1.25,"PositionType":3,"Quantity":-7,"SecurityType":5,"Symbol":"EURUSD"})"},
        {PositionLayout::MT4,
         R"({"AccountNumber":"number","AveragePrice":1.25,"Lots":0.1,"Symbol":"EURUSD","SymbolCalcMode":6})"},
        {PositionLayout::MT5,
         R"({"AccountLogin":"login","PriceOpen":4.75,"Symbol":"EURUSD","SymbolCalcMode":6,"Type":8,"Volume":0.25})"},
    };
    const std::vector<std::u16string> accounts{u"Sim101", u"Live"};
    for (const auto& c : cases) {
        const std::string object = c.positionObject;
        EXPECT_EQ(buildPositionDocument(kHeader, accounts, {everyFieldSet(), everyFieldSet()}, c.layout),
                  std::string(kFrame) + object + "," + object + "]}}")
            << static_cast<int>(c.layout);
    }
}

TEST(PositionDocument, EmptyPositionsGiveAnEmptyArray) {
    EXPECT_EQ(buildPositionDocument(kHeader, {u"Sim101", u"Live"}, {}, PositionLayout::MT5),
              std::string(kFrame) + "]}}");
}

TEST(PositionDocument, NumbersInTheInvariantGeneralForm) {
    struct NumberCase {
        double value;
        const char* written;
    };
    const NumberCase cases[] = {
        {1.5, "1.5"},         {100.0, "100"},       {0.0001, "0.0001"},
        {0.00001, "1E-05"},   {0.000015, "1.5E-05"}, {1e14, "100000000000000"},
        {1e15, "1E+15"},      {1.0 / 3, "0.333333333333333"}, {2.0 / 3, "0.666666666666667"},
        {-0.0, "0"},          {-3.5, "-3.5"},
    };
    for (const auto& c : cases) {
        COM_Position p;
        p.mdPriceOpen = c.value;
        const std::string doc = buildPositionDocument(kHeader, {u"A"}, {p}, PositionLayout::MT5);
        EXPECT_NE(doc.find(std::string(R"("PriceOpen":)") + c.written + ","), std::string::npos)
            << c.written << " in " << doc;
    }
}

TEST(PositionDocument, TextsEscapedSoTheyDecodeBack) {
    const std::u16string awkward = u"q\"b\\s/c\x01\n\t\u00e9\u20ac\U0001F600";
    COM_Position p;
    p.msAccountId = awkward;
    p.msSymbol = u"</script>";
    const vcom::MessageHeader header{u"k\"ey", -4, u"v\\1", u"4.6.0.0", u"ip\r"};
    const std::string doc = buildPositionDocument(header, {awkward, u""}, {p}, PositionLayout::TS);

    const auto json = nlohmann::json::parse(doc);
    const auto& sync = json.at("PositionSync");
    const std::string expected = vcom::text::toUtf8(awkward);
    EXPECT_EQ(sync.at("KXAPIKey"), "k\"ey");
    EXPECT_EQ(sync.at("Source"), -4);
    EXPECT_EQ(sync.at("SourceVersion"), "v\\1");
    EXPECT_EQ(sync.at("IPAddress"), "ip\r");
    EXPECT_EQ(sync.at("ActiveAccounts"), nlohmann::json::array({expected, ""}));
    EXPECT_EQ(sync.at("Positions").at(0).at("AccountId"), expected);
    EXPECT_EQ(sync.at("Positions").at(0).at("Symbol"), "</script>");
}

TEST(PositionDocument, NegativeIntegersUseAsciiMinus) {
    COM_Position p;
    p.mnQuantity = std::numeric_limits<std::int32_t>::min();
    const std::string doc = buildPositionDocument(kHeader, {u"A"}, {p}, PositionLayout::NT8);
    EXPECT_NE(doc.find(R"("Quantity":-2147483648})"), std::string::npos) << doc;
}

}  // namespace
