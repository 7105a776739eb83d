// Log lines, the order-update registry and the position monitor through
// the exported C functions, with the library talking to the sandbox.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "VantorelCom2.h"
#include "manager/manager_internals.h"
#include "platform/platform.h"
#include "support/sandbox_test.h"
#include "support/scoped_env.h"
#include "text/utf.h"

namespace {

using vcom::testing::ScopedEnv;

// Takes a result buffer of the library, frees it with the platform's
// allocator (malloc on Linux, the COM task allocator on Windows), returns
// its text.
std::string take(char* result) {
    EXPECT_NE(result, nullptr);
    if (!result) return {};
    std::string text(result);
    vcom::platform::os().freeResult(result);
    return text;
}

std::u16string take(VL_WCHAR* result) {
    EXPECT_NE(result, nullptr);
    if (!result) return {};
    std::u16string text(reinterpret_cast<const char16_t*>(result));
    vcom::platform::os().freeResult(result);
    return text;
}

std::string utf8(const std::u16string& s) { return vcom::text::toUtf8(s); }

// Dates and numbers as the C locale writes them, whatever the machine's
// environment says; LC_CTYPE (the 8-bit character set) is left alone.
struct CLocaleFormats {
    ScopedEnv all{"LC_ALL", std::nullopt};
    ScopedEnv time{"LC_TIME", "C"};
    ScopedEnv numeric{"LC_NUMERIC", "C"};
};

TEST(LogExports, EveryKindIsEmptyBeforeAnyInitialize) {
    vcom::testing::resetLibraryState();
    // A last error that a manager would turn into response lines.
    VantorelCom::ManagerInternals::lastError() = u"|O|a|P|b";
    const int kinds[] = {0, -5, 101, 201, 209, 210, 211, 212, 213, 214, 215, 301, 304, 305, 306, 307, 308, 404, 405, 999};
    for (int kind : kinds) {
        EXPECT_EQ(take(LogToVL_TS9("x", kind)), "") << kind;
        EXPECT_EQ(take(LogToVL_TS10("x", kind)), "") << kind;
        EXPECT_EQ(take(LogToVL_MT4(u"x", kind)), u"") << kind;
        EXPECT_EQ(take(LogToVL_MT5(u"x", kind)), u"") << kind;
    }
    vcom::testing::resetLibraryState();
}

class LogExportsTest : public vcom::testing::SandboxTest {};

TEST_F(LogExportsTest, LinesFollowTheManagersHostKindNotTheSuffix) {
    CLocaleFormats formats;
    // An MT4-encoded call that sets up a TS9 manager.
    ASSERT_EQ(SendInitialize_MT4(u"KEY", 4, u"9.1", 3, 0), 1);
    EXPECT_EQ(take(LogToVL_MT4(u"", 304)), u"KX | ORD | POST");
    SendOrderData_set_TS9("A1", 12.5, 3600, "77", 1, 0, 0, 0, 2, 0, "ES");

    const std::string post = utf8(take(LogToVL_MT4(u"", 304)));
    const std::string lowLot = utf8(take(LogToVL_MT5(u"", 306)));
#if !defined(_WIN32)
    EXPECT_EQ(post,
              "KX | ORD | POST | Account=A1 | Symbol=ES | Action=Buy.ToOpen | Qty=2 | Price=12.5 | "
              "Time=01/01/00 01:00:00 | OrderID=77");
    EXPECT_EQ(lowLot,
              "KX | ORD | Warn | Minimum Lot Size is 10000 | Symbol=ES | Action=Buy.ToOpen | Qty=2 | Price=12.5 | "
              "OrderID=77");
#else
    // The Windows user locale is the machine's: only its parts that no
    // locale changes.
    EXPECT_EQ(post.rfind("KX | ORD | POST | Account=A1 | Symbol=ES | Action=Buy.ToOpen | Qty=2 | Price=12", 0), 0u);
    EXPECT_TRUE(post.ends_with(" | OrderID=77")) << post;
    EXPECT_EQ(lowLot.rfind("KX | ORD | Warn | Minimum Lot Size is 10000 | Symbol=ES | Action=Buy.ToOpen | Qty=2", 0),
              0u);
#endif
    EXPECT_EQ(take(LogToVL_TS9("", 307)), "");
    EXPECT_EQ(utf8(take(LogToVL_MT4(u"Grüße 中", 209))), "KX | CLIENT | STARTED | Grüße 中");
    EXPECT_EQ(take(LogToVL_MT4(nullptr, 210)), u"KX | CLIENT | STOPPED | ");
}

TEST_F(LogExportsTest, ResponseLinesShowTheServicesLastAnswer) {
    sandbox().script(vcom::sandbox::ScriptedReply::refused("|O|first|O|second"));
    ASSERT_EQ(SendInitialize_TS9("KEY", 4, "9.1", 3, 0), 1);
    EXPECT_EQ(take(LogToVL_TS9("", 308)), "KX | ORD | RESP | first||KX | ORD | RESP | second||");
    EXPECT_EQ(take(LogToVL_TS9("", 405)), "KX | POS | SYNC | first||KX | POS | SYNC | second||");

    sandbox().script(vcom::sandbox::ScriptedReply::accepted("|P|ES 2 long"));
    SendDeinitialize_TS9();
    EXPECT_EQ(take(LogToVL_TS10("", 405)), "KX | POS | SYNC | ES 2 long||");
    EXPECT_EQ(take(LogToVL_TS10("", 308)), "|P|ES 2 long||");
}

TEST_F(LogExportsTest, OnlyForexLineForBothMetaTraderKinds) {
    ASSERT_EQ(SendInitialize_MT5(u"KEY", 6, u"5.0", 3, 0), 1);
    EXPECT_EQ(take(LogToVL_MT5(u"", 307)), u"");
    SendOrderData_set_MT5(u"L1", 42, 0, u"ea", 0, 0, 0, 1.1, 0, u"US500", 2, 0, 1);
    EXPECT_EQ(take(LogToVL_MT5(u"", 307)),
              u"KX | ORD | Warn | Only Forex Symbols are supported | Symbol=US500 | CalcMode=Index");

    ASSERT_EQ(SendInitialize_MT4(u"KEY", 5, u"4.0", 3, 0), 1);
    SendOrderData_set_MT4(u"9001", u"ea", 0.5, 7, 3, 0, 1900, 99, u"XAUUSD", 1, 0);
    EXPECT_EQ(take(LogToVL_MT4(u"", 307)),
              u"KX | ORD | Warn | Only Forex Symbols are supported | Symbol=XAUUSD | CalcMode=Future");
}

TEST_F(LogExportsTest, EightBitLinesAreInTheEnvironmentsCharacterSet) {
    ASSERT_EQ(SendInitialize_MT4(u"KEY", 5, u"4.0", 3, 0), 1);
    SendOrderData_set_MT4(u"9001", u"ea", 0.5, 7, 3, 0, 1900, 99, u"XAU\u4E2D", 1, 0);
    const std::u16string wide = take(LogToVL_MT4(u"", 307));
    EXPECT_EQ(utf8(wide), utf8(u"KX | ORD | Warn | Only Forex Symbols are supported | Symbol=XAU\u4E2D | CalcMode=Future"));
    EXPECT_EQ(take(LogToVL_TS9("", 307)), vcom::platform::os().utf16ToAnsi(wide));
}

#if !defined(_WIN32)
// In a fresh process whose environment names the ASCII set, a character
// the set lacks comes out as "?". The set is read once per process, so the
// check runs in a child started for it.
TEST_F(LogExportsTest, EightBitLineOfACharacterTheSetLacks) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    ScopedEnv ascii("LC_ALL", "C");
    EXPECT_EXIT(
        {
            SendInitialize_MT4(u"KEY", 5, u"4.0", 3, 0);
            SendOrderData_set_MT4(u"9001", u"ea", 0.5, 7, 3, 0, 1900, 99, u"XAU\u4E2D", 1, 0);
            std::fputs(take(LogToVL_TS9("", 307)).c_str(), stderr);
            std::exit(0);
        },
        ::testing::ExitedWithCode(0),
        "^KX \\| ORD \\| Warn \\| Only Forex Symbols are supported \\| Symbol=XAU\\? \\| CalcMode=Future$");
}
#endif

TEST_F(LogExportsTest, RegistryIsEmptiedByInitializeAndKeptByDeinitialize) {
    RegisterOrderToUpdate("", "D1", 1, "x");  // works before any initialize
    RegisterOrderToUpdate("A7", "D1", 3, "y");
    SendInitialize_TS9("KEY", 4, "9.1", 3, 0);
    EXPECT_EQ(take(GetRegisteredOrderToUpdate()), "");

    RegisterOrderToUpdate("", "D1", 1, "x");
    RegisterOrderToUpdate("A7", "D1", 3, "y");
    SendDeinitialize_TS9();
    RegisterOrderToUpdate("A7", nullptr, 8, nullptr);
    EXPECT_EQ(take(GetRegisteredOrderToUpdate()), "A7x");
    EXPECT_EQ(take(GetRegisteredOrderToUpdate()), "");

    RegisterOrderToUpdate(nullptr, nullptr, 8, "ready");
    SendInitialize_TS10("KEY", 7, "10.0", 3, 0);
    EXPECT_EQ(take(GetRegisteredOrderToUpdate()), "");
}

TEST_F(LogExportsTest, MonitorIsEmptiedByInitializeAndKeptByDeinitialize) {
    EXPECT_EQ(GetPositionQuantityCorrected("ES", 5, 100), 100);  // works before any initialize
    EXPECT_EQ(GetPositionQuantityCorrected("ES", 5, 100), 105);
    SendInitialize_MT4(u"KEY", 5, u"4.0", 3, 0);
    EXPECT_EQ(GetPositionQuantityCorrected("ES", 5, 100), 100);
    SendDeinitialize_MT4();
    EXPECT_EQ(GetPositionQuantityCorrected("ES", 3, 100), 103);
    EXPECT_EQ(GetPositionQuantityCorrected(nullptr, 7, 1), 1);
    EXPECT_EQ(GetPositionQuantityCorrected("", 7, 1), 8);
}

}  // namespace
