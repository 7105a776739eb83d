#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "log/log_line_formatter.h"
#include "text/date_time.h"
#include "text/utf.h"

namespace {

using VantorelCom::COM_Order;
using VantorelCom::LogSubject;
using VantorelCom::LogType;
using vcom::log::formatLogLine;
using vcom::platform::LocaleFormat;

constexpr std::int32_t kNT7 = 2, kNT8 = 3, kTS9 = 4, kMT4 = 5, kMT5 = 6, kTS10 = 7;

LocaleFormat usEnglish() {
    LocaleFormat f;
    f.decimalSeparator = u".";
    f.shortDatePattern = u"M/d/yyyy";
    f.longTimePattern = u"h:mm:ss tt";
    f.amDesignator = u"AM";
    f.pmDesignator = u"PM";
    return f;
}

LocaleFormat german() {
    LocaleFormat f;
    f.decimalSeparator = u",";
    f.shortDatePattern = u"dd.MM.yyyy";
    f.longTimePattern = u"HH:mm:ss";
    f.amDesignator = u"";
    f.pmDesignator = u"";
    return f;
}

VantorelCom::DateTime at2000(std::int64_t seconds) {
    return vcom::text::wallClockPlusSeconds(vcom::text::CivilTime{2000, 1, 1, 0, 0, 0}, seconds);
}

// The pending order of the TS9 example lines.
COM_Order ts9Order() {
    COM_Order o;
    o.msAccountId = u"A1";
    o.msSymbol = u"ES";
    o.meOrderAction = 1;
    o.mePurpose = 0;
    o.mnQuantity = 2;
    o.mdAvgFilledPrice = 12.5;
    o.mnFilledTime = at2000(3600);
    o.msOrderId = u"77";
    return o;
}

COM_Order mt4Order() {
    COM_Order o;
    o.msAccountNumber = u"9001";
    o.msSymbol = u"XAUUSD";
    o.meOrderType = 3;
    o.mePurpose = 99;
    o.mdLots = 0.5;
    o.mdPrice = 1900.25;
    o.mnTime = at2000(13 * 3600 + 5 * 60 + 9);
    o.mnOrderTicket = 123456789012;
    o.meSymbolCalcMode = 1;
    return o;
}

COM_Order mt5Order() {
    COM_Order o;
    o.msAccountLogin = u"L5";
    o.msSymbol = u"EURUSD";
    o.meDealType = 1;
    o.mePurpose = 1;
    o.mdVolume = 1.25;
    o.mdPrice = 1.08;
    o.mnTime = at2000(0);
    o.mnDealTicket = 42;
    o.meSymbolCalcMode = 0;
    return o;
}

COM_Order ntOrder() {
    COM_Order o;
    o.msAccount = u"Sim101";
    o.msInstrument = u"ES 03-24";
    o.meOrderAction = 3;
    o.mePurpose = 1;
    o.mnQuantity = -4;
    o.mdAvgFillPrice = 4500.25;
    o.mdAverageFillPrice = 4600.75;
    o.mnTime = at2000(12 * 3600);
    o.msOrderId = u"nt-1";
    return o;
}

std::string utf8(const std::u16string& s) { return vcom::text::toUtf8(s); }

struct LineCase {
    const char* name;
    std::int32_t source;
    LogType kind;
    const COM_Order* pending;
    LogSubject subject;
    LocaleFormat locale;
    const char16_t* expected;
};

void expectLines(const LineCase* begin, const LineCase* end) {
    for (const LineCase* c = begin; c != end; ++c) {
        EXPECT_EQ(utf8(formatLogLine(c->source, c->subject, c->kind, c->pending, u"", c->locale)),
                  utf8(c->expected))
            << c->name;
    }
}

TEST(LogLines, OrderLinesOfEachHostKind) {
    const COM_Order ts9 = ts9Order();
    const COM_Order mt4 = mt4Order();
    const COM_Order mt5 = mt5Order();
    const COM_Order nt = ntOrder();
    COM_Order tinyPrice = ts9;
    tinyPrice.mdAvgFilledPrice = 0.00001;
    COM_Order noAction = ts9;
    noAction.meOrderAction = 0;
    COM_Order midnight = ts9;
    midnight.mnFilledTime = at2000(0);
    midnight.mnQuantity = -3;

    const LineCase cases[] = {
        {"TS9 post", kTS9, LogType::ORDEREXE_VL_Post_OK, &ts9, {}, usEnglish(),
         u"KX | ORD | POST | Account=A1 | Symbol=ES | Action=Buy.ToOpen | Qty=2 | Price=12.5 | "
         u"Time=1/1/2000 1:00:00 AM | OrderID=77"},
        {"TS9 minimum lot", kTS9, LogType::ORDEREXE_VL_Post_NOK_QntLow, &ts9, {}, usEnglish(),
         u"KX | ORD | Warn | Minimum Lot Size is 10000 | Symbol=ES | Action=Buy.ToOpen | Qty=2 | Price=12.5 | "
         u"OrderID=77"},
        {"TS9 post, German", kTS9, LogType::ORDEREXE_VL_Post_OK, &ts9, {}, german(),
         u"KX | ORD | POST | Account=A1 | Symbol=ES | Action=Buy.ToOpen | Qty=2 | Price=12,5 | "
         u"Time=01.01.2000 01:00:00 | OrderID=77"},
        {"TS10 rounded", kTS10, LogType::ORDEREXE_VL_Post_OK_QntRounded, &ts9, {}, usEnglish(),
         u"KX | ORD | POST | Lots Rounded | Account=A1 | Symbol=ES | Action=Buy.ToOpen | Qty=2 | Price=12.5 | "
         u"Time=1/1/2000 1:00:00 AM | OrderID=77"},
        {"exponent form", kTS9, LogType::ORDEREXE_VL_Post_NOK_QntLow, &tinyPrice, {}, usEnglish(),
         u"KX | ORD | Warn | Minimum Lot Size is 10000 | Symbol=ES | Action=Buy.ToOpen | Qty=2 | Price=1E-05 | "
         u"OrderID=77"},
        {"TS9 action 0 keeps only the suffix", kTS9, LogType::ORDEREXE_VL_Post_OK, &noAction, {}, usEnglish(),
         u"KX | ORD | POST | Account=A1 | Symbol=ES | Action=.ToOpen | Qty=2 | Price=12.5 | "
         u"Time=1/1/2000 1:00:00 AM | OrderID=77"},
        {"midnight is 12 AM, negative quantity", kTS9, LogType::ORDEREXE_VL_Post_OK, &midnight, {}, usEnglish(),
         u"KX | ORD | POST | Account=A1 | Symbol=ES | Action=Buy.ToOpen | Qty=-3 | Price=12.5 | "
         u"Time=1/1/2000 12:00:00 AM | OrderID=77"},
        {"MT4 type 3, purpose 99", kMT4, LogType::ORDEREXE_VL_Post_OK, &mt4, {}, usEnglish(),
         u"KX | ORD | POST | Account=9001 | Symbol=XAUUSD | Action=Sell | Qty=0.5 | Price=1900.25 | "
         u"Time=1/1/2000 1:05:09 PM | OrderID=123456789012"},
        {"MT4 minimum lot", kMT4, LogType::ORDEREXE_VL_Post_NOK_QntLow, &mt4, {}, usEnglish(),
         u"KX | ORD | Warn | Minimum Lot Size is 0.1 | Symbol=XAUUSD | Action=Sell | Qty=0.5 | Price=1900.25 | "
         u"OrderID=123456789012"},
        {"MT5 post", kMT5, LogType::ORDEREXE_VL_Post_OK, &mt5, {}, german(),
         u"KX | ORD | POST | Account=L5 | Symbol=EURUSD | Action=Sell.ToClose | Qty=1,25 | Price=1,08 | "
         u"Time=01.01.2000 00:00:00 | OrderID=42"},
        {"MT5 minimum lot has no suffix", kMT5, LogType::ORDEREXE_VL_Post_NOK_QntLow, &mt5, {}, usEnglish(),
         u"KX | ORD | Warn | Minimum Lot Size is 0.1 | Symbol=EURUSD | Action=Sell | Qty=1.25 | Price=1.08 | "
         u"OrderID=42"},
        {"NT7 reads its own price field", kNT7, LogType::ORDEREXE_VL_Post_OK, nullptr, LogSubject(nt), usEnglish(),
         u"KX | ORD | POST | Account=Sim101 | Symbol=ES 03-24 | Action=SellShort.ToClose | Qty=-4 | "
         u"Price=4500.25 | Time=1/1/2000 12:00:00 PM | OrderID=nt-1"},
        {"NT8 reads its own price field", kNT8, LogType::ORDEREXE_VL_Post_NOK_QntLow, nullptr, LogSubject(nt),
         usEnglish(),
         u"KX | ORD | Warn | Minimum Lot Size is 10000 | Symbol=ES 03-24 | Action=SellShort.ToClose | Qty=-4 | "
         u"Price=4600.75 | OrderID=nt-1"},
    };
    expectLines(std::begin(cases), std::end(cases));
}

TEST(LogLines, TheRecordOfALine) {
    const COM_Order ts9 = ts9Order();
    const COM_Order nt = ntOrder();
    const LineCase cases[] = {
        {"MT4 before any pending order", kMT4, LogType::ORDEREXE_VL_Post_OK, nullptr, {}, usEnglish(),
         u"KX | ORD | POST"},
        {"rounded head alone", kMT4, LogType::ORDEREXE_VL_Post_OK_QntRounded, nullptr, {}, usEnglish(),
         u"KX | ORD | POST | Lots Rounded"},
        {"minimum lot without record", kMT4, LogType::ORDEREXE_VL_Post_NOK_QntLow, nullptr, {}, usEnglish(), u""},
        {"NT8 given a text", kNT8, LogType::ORDEREXE_VL_Post_OK, &ts9, LogSubject(u"ES"), usEnglish(),
         u"KX | ORD | POST"},
        {"NT7 ignores a pending order", kNT7, LogType::ORDEREXE_VL_Post_NOK_QntLow, &ts9, {}, usEnglish(), u""},
        {"TS10 ignores a passed record", kTS10, LogType::ORDEREXE_VL_Post_OK, &ts9, LogSubject(nt), usEnglish(),
         u"KX | ORD | POST | Account=A1 | Symbol=ES | Action=Buy.ToOpen | Qty=2 | Price=12.5 | "
         u"Time=1/1/2000 1:00:00 AM | OrderID=77"},
        {"TS10 without pending order ignores a passed record", kTS10, LogType::ORDEREXE_VL_Post_OK, nullptr,
         LogSubject(nt), usEnglish(), u"KX | ORD | POST"},
        {"unknown host kind", 99, LogType::ORDEREXE_VL_Post_OK, &ts9, LogSubject(nt), usEnglish(),
         u"KX | ORD | POST"},
    };
    expectLines(std::begin(cases), std::end(cases));
}

TEST(LogLines, OnlyForexWarning) {
    const COM_Order mt4 = mt4Order();
    const COM_Order mt5 = mt5Order();
    COM_Order stock = mt4;
    stock.meSymbolCalcMode = 5;
    COM_Order mode4 = mt4;
    mode4.meSymbolCalcMode = 4;
    const LineCase cases[] = {
        {"MT4", kMT4, LogType::ORDEREXE_VL_Post_NOK_OnlyForex, &mt4, {}, usEnglish(),
         u"KX | ORD | Warn | Only Forex Symbols are supported | Symbol=XAUUSD | CalcMode=Future"},
        {"MT5 too", kMT5, LogType::ORDEREXE_VL_Post_NOK_OnlyForex, &mt5, {}, usEnglish(),
         u"KX | ORD | Warn | Only Forex Symbols are supported | Symbol=EURUSD | CalcMode=Forex"},
        {"stock", kMT4, LogType::ORDEREXE_VL_Post_NOK_OnlyForex, &stock, {}, usEnglish(),
         u"KX | ORD | Warn | Only Forex Symbols are supported | Symbol=XAUUSD | CalcMode=Stock"},
        {"mode 4 has no word", kMT4, LogType::ORDEREXE_VL_Post_NOK_OnlyForex, &mode4, {}, usEnglish(),
         u"KX | ORD | Warn | Only Forex Symbols are supported | Symbol=XAUUSD | CalcMode="},
        {"no pending order", kMT4, LogType::ORDEREXE_VL_Post_NOK_OnlyForex, nullptr, {}, usEnglish(), u""},
        {"TS9 has none", kTS9, LogType::ORDEREXE_VL_Post_NOK_OnlyForex, &mt4, {}, usEnglish(), u""},
        {"NT7 has none", kNT7, LogType::ORDEREXE_VL_Post_NOK_OnlyForex, &mt4, LogSubject(mt4), usEnglish(), u""},
    };
    expectLines(std::begin(cases), std::end(cases));
}

TEST(LogLines, AccountLines) {
    const COM_Order ts9 = ts9Order();
    const LineCase cases[] = {
        {"started", kTS9, LogType::ACCOUNT_VL_Start, nullptr, LogSubject(u"MyHost 1.0"), usEnglish(),
         u"KX | CLIENT | STARTED | MyHost 1.0"},
        {"started, empty text", kMT4, LogType::ACCOUNT_VL_Start, nullptr, LogSubject(u""), usEnglish(),
         u"KX | CLIENT | STARTED | "},
        {"stopped", kNT8, LogType::ACCOUNT_VL_Stop, nullptr, LogSubject(u"x"), usEnglish(),
         u"KX | CLIENT | STOPPED | x"},
        {"started without subject", kTS9, LogType::ACCOUNT_VL_Start, &ts9, {}, usEnglish(), u""},
        {"stopped with an order", kNT7, LogType::ACCOUNT_VL_Stop, nullptr, LogSubject(ts9), usEnglish(), u""},
        {"IP conflict, stop", kTS9, LogType::ACCOUNT_VL_IPConflict_Stop, nullptr, LogSubject(ts9), usEnglish(),
         u"KX | CLIENT | Warn | For this KX APIKey there is another Vantorel working from a different "
         u"computer.This Vantorel will be stopped."},
        {"IP conflict, replace", kTS9, LogType::ACCOUNT_VL_IPConflict_Replace, nullptr, {}, usEnglish(),
         u"KX | CLIENT | Warn | For this KX APIKey there is another Vantorel working from a different "
         u"computer. The other Vantorel will be stopped."},
        {"API key empty", kTS9, LogType::ACCOUNT_VL_APIKeyEmpty, nullptr, LogSubject(u"x"), usEnglish(),
         u"KX | CLIENT | Warn | KX APIKey is Empty!"},
        {"no hedging", kTS9, LogType::ACCOUNT_VL_NoHedging, nullptr, {}, usEnglish(),
         u"KX | CLIENT | Warn | Hedging Accounts are not supported by KX!"},
        {"instance exists", kTS9, LogType::ACCOUNT_VL_InstanceExists, nullptr, {}, usEnglish(),
         u"KX | CLIENT | Warn | KX Vantorel is already started. There cannot be two KX Vantorel sessions!"},
    };
    expectLines(std::begin(cases), std::end(cases));
}

TEST(LogLines, KindsWithoutALine) {
    const COM_Order ts9 = ts9Order();
    const std::int32_t kinds[] = {101, 105, 201, 208, 301, 302, 303, 401, 403, 404, 999, 0, -5, 216, 309, 406};
    for (std::int32_t kind : kinds) {
        EXPECT_EQ(formatLogLine(kTS9, LogSubject(u"text"), static_cast<LogType>(kind), &ts9, u"|O|a", usEnglish()),
                  u"")
            << kind;
    }
}

struct ResponseCase {
    const char16_t* lastError;
    const char16_t* orderLine;     // kind 308
    const char16_t* positionLine;  // kind 405
};

TEST(LogLines, ResponseLines) {
    const ResponseCase cases[] = {
        {u"", u"||", u"||"},
        {u"Stop Vantorel", u"Stop Vantorel||", u"Stop Vantorel||"},
        {u"|O|first|O|second", u"KX | ORD | RESP | first||KX | ORD | RESP | second||",
         u"KX | POS | SYNC | first||KX | POS | SYNC | second||"},
        {u"|P|ES 2 long", u"|P|ES 2 long||", u"KX | POS | SYNC | ES 2 long||"},
        {u"ok|O|x", u"ok|O|x||", u"ok||KX | POS | SYNC | x||"},
        {u"|P|a|O|b", u"|P|a|O|b||", u"KX | POS | SYNC | a||KX | POS | SYNC | b||"},
        {u"|x", u"|x||", u"x||"},
        {u"|||x", u"|||x||", u"x||"},
        // The prefix test and the marks see the text with "||" appended.
        {u"|O", u"KX | ORD | RESP | |", u"KX | POS | SYNC | |"},
        {u"a|O", u"a|O||", u"a||KX | POS | SYNC | |"},
        // Marks do not overlap, and a replacement is not scanned again...
        {u"|O|O|", u"KX | ORD | RESP | O|||", u"KX | POS | SYNC | O|||"},
        {u"|O||O|", u"KX | ORD | RESP | ||KX | ORD | RESP | ||", u"KX | POS | SYNC | ||KX | POS | SYNC | ||"},
        // ...but the "|O|" pass of 405 reads what the "|P|" pass left.
        {u"|O|P|x", u"KX | ORD | RESP | P|x||", u"KX | POS | SYNC | |KX | POS | SYNC | x||"},
        {u"|o|x", u"|o|x||", u"o|x||"},
    };
    for (const ResponseCase& c : cases) {
        EXPECT_EQ(utf8(formatLogLine(kMT4, {}, LogType::ORDEREXE_VL_Resp, nullptr, c.lastError, usEnglish())),
                  utf8(c.orderLine))
            << utf8(c.lastError);
        EXPECT_EQ(utf8(formatLogLine(kTS9, {}, LogType::POSSYNC_VL_Resp, nullptr, c.lastError, usEnglish())),
                  utf8(c.positionLine))
            << utf8(c.lastError);
    }
}

TEST(LogLines, LocaleSignsAndSpecialValues) {
    LocaleFormat odd = german();
    odd.negativeSign = u"\u2212";
    odd.nanSymbol = u"n/a";
    odd.negativeInfinitySymbol = u"-\u221E";
    COM_Order o = mt4Order();
    o.mdLots = -1.5;
    o.mdPrice = -std::numeric_limits<double>::infinity();
    o.mnOrderTicket = -7;
    EXPECT_EQ(utf8(formatLogLine(kMT4, {}, LogType::ORDEREXE_VL_Post_NOK_QntLow, &o, u"", odd)),
              utf8(u"KX | ORD | Warn | Minimum Lot Size is 0.1 | Symbol=XAUUSD | Action=Sell | Qty=\u22121,5 | "
                   u"Price=-\u221E | OrderID=\u22127"));
    o.mdPrice = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(utf8(formatLogLine(kMT4, {}, LogType::ORDEREXE_VL_Post_NOK_QntLow, &o, u"", odd)),
              utf8(u"KX | ORD | Warn | Minimum Lot Size is 0.1 | Symbol=XAUUSD | Action=Sell | Qty=\u22121,5 | "
                   u"Price=n/a | OrderID=\u22127"));
}

}  // namespace
