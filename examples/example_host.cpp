// An example host's trading day. The first half is what a TS9, TS10, MT4
// or MT5 platform does: load the library file, resolve the C functions by
// name, and call them. The second half is an NT8 host, which holds the
// manager and record objects itself.
#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "VantorelCom/VantorelComManager.h"
#include "VantorelCom2.h"
#include "text/utf.h"

namespace {

void* gLibrary = nullptr;

template <class Fn>
Fn* resolve(Fn*, const char* name) {
    void* symbol = dlsym(gLibrary, name);
    if (!symbol) {
        std::fprintf(stderr, "missing export %s\n", name);
        std::exit(1);
    }
    return reinterpret_cast<Fn*>(symbol);
}
#define VL(name) resolve(&name, #name)

// Results are the host's to free.
std::string take(char* text) {
    std::string s = text ? text : "";
    std::free(text);
    return s;
}
std::string take(VL_WCHAR* text) {
    std::u16string s = text ? std::u16string(text) : std::u16string();
    std::free(text);
    return vcom::text::toUtf8(s);
}

// The host writes the library's log lines into its own log.
void hostLogTs(int logType) {
    std::string line = take(VL(LogToVL_TS9)("", logType));
    if (!line.empty()) std::printf("  host log: %s\n", line.c_str());
}
void hostLogMt(int logType) {
    std::string line = take(VL(LogToVL_MT4)(u"", logType));
    if (!line.empty()) std::printf("  host log: %s\n", line.c_str());
}

void flatHostDay() {
    std::printf("== flat hosts, through %s\n", VANTOREL_LIBRARY_FILE);
    std::printf("stored key: \"%s\"\n", take(VL(ReadInitialData_TS9)(4)).c_str());
    std::printf("library version: %s\n", take(VL(GetVLVersion_TS9)()).c_str());
    std::printf("another instance active: %d\n", VL(VantorelInstanceExists)(1));

    // TS9
    std::printf("TS9 initialize: %d\n", VL(SendInitialize_TS9)("demo-key-ts9", 4, "9.5", 5, 2));
    std::printf("  host log: %s\n", take(VL(LogToVL_TS9)("TS9 demo", 209)).c_str());
    VL(SendOrderData_set_TS9)("SIM1", 101.25, 660411000, "77", 1, 2, 100, 0, 100, 0, "ESZ20");
    hostLogTs(304);
    std::printf("TS9 order: \"%s\"\n", take(VL(SendOrderData_TS9)()).c_str());
    hostLogTs(308);
    VL(SendPositionData_add_TS9)("SIM1", 101.25, 1, 100, 0, "ESZ20");
    VL(SendPositionData_add_TS9)("SIM1", 4210.5, 2, -3, 0, "NQZ20");
    VL(SendPositionData_add_TS9)("SIM2", 15.75, 1, 7, 0, "CLF21");
    std::printf("TS9 positions: \"%s\"\n", take(VL(SendPositionData_TS9)("SIM1 | SIM2 | ")).c_str());
    hostLogTs(405);
    VL(SendDeinitialize_TS9)();

    // TS10
    std::printf("TS10 initialize: %d\n", VL(SendInitialize_TS10)("demo-key-ts10", 7, "10.0", 5, 2));
    VL(SendOrderData_set_TS10)("SIM3", 55.5, 660414600, "78", 2, 1, 0, 1, 10, 1, "AAPL");
    hostLogTs(304);
    std::printf("TS10 order: \"%s\"\n", take(VL(SendOrderData_TS10)()).c_str());
    hostLogTs(308);
    VL(SendDeinitialize_TS10)();

    // MT4
    std::printf("MT4 initialize: %d\n", VL(SendInitialize_MT4)(u"demo-key-mt4", 5, u"4.0.1380", 5, 2));
    VL(SendOrderData_set_MT4)(u"1234567", u"Trend EA", 0.1, 987654, 0, 0.1, 1.18555, 0, u"EURUSD", 0,
                              1600000000);
    hostLogMt(304);
    std::printf("MT4 order: \"%s\"\n", take(VL(SendOrderData_MT4)()).c_str());
    hostLogMt(308);
    VL(SendDeinitialize_MT4)();

    // MT5
    std::printf("MT5 initialize: %d\n", VL(SendInitialize_MT5)(u"demo-key-mt5", 6, u"5.0.2361", 5, 2));
    VL(SendOrderData_set_MT5)(u"7654321", 111222, 1, u"Grid EA", 1, 1, 0.5, 1890.25, 1, u"XAUUSD", 1,
                              1600003600, 0.5);
    std::printf("MT5 order: \"%s\"\n", take(VL(SendOrderData_MT5)()).c_str());
    std::string line = take(VL(LogToVL_MT5)(u"", 308));
    std::printf("  host log: %s\n", line.c_str());
    VL(SendDeinitialize_MT5)();

    VL(VantorelInstanceExists)(0);
}

void objectHostDay() {
    using namespace VantorelCom;
    std::printf("\n== NT8 host, through the object interface\n");
    VantorelComManager manager(3, u"8.0.23.1", 5);
    manager.msKXAPIKey = u"demo-key-nt8";
    manager.setLiteComDataToIniFile();
    std::printf("NT8 initialize: %d\n", manager.SendInitialize(2));

    COM_Order order;
    order.msAccount = u"Sim101";
    order.mdAverageFillPrice = 4321.25;
    order.msExecutionId = u"exec-1";
    order.msInstrument = u"ES 12-20";
    order.meInstrumentType = 1;
    order.meMarketPosition = 0;
    order.meOrderAction = 0;
    order.msOrderId = u"ord-1";
    order.meOrderType = 1;
    order.mnPositionQuantity = 2;
    order.mePurpose = 0;
    order.mnQuantity = 2;
    order.mnTime = DateTime{637426746000000000, false};  // 2020-12-04 10:30:00
    std::printf("  host log: %s\n",
                vcom::text::toUtf8(manager.logToVL(LogSubject(order), LogType::ORDEREXE_VL_Post_OK)).c_str());
    std::printf("NT8 order: %d\n", manager.SendOrderData_NT8(order));
    std::printf("  host log: %s\n",
                vcom::text::toUtf8(manager.logToVL(LogSubject(), LogType::ORDEREXE_VL_Resp)).c_str());

    COM_Position position;
    position.msAccount = u"Sim101";
    position.mdAveragePrice = 4321.25;
    position.msInstrument = u"ES 12-20";
    position.meInstrumentType = 1;
    position.meMarketPosition = 0;
    position.mnQuantity = 2;
    std::printf("NT8 positions: %d\n", manager.SendPositionData_NT8({u"Sim101"}, {position}));
    std::printf("  host log: %s\n",
                vcom::text::toUtf8(manager.logToVL(LogSubject(), LogType::POSSYNC_VL_Resp)).c_str());
    manager.SendDeinitialize();
}

}  // namespace

int main() {
    gLibrary = dlopen(VANTOREL_LIBRARY_FILE, RTLD_NOW | RTLD_LOCAL);
    if (!gLibrary) {
        std::fprintf(stderr, "cannot load the library: %s\n", dlerror());
        return 1;
    }
    flatHostDay();
    objectHostDay();
    dlclose(gLibrary);
    return 0;
}
