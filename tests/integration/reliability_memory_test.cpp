// A long day of a host: many order sends and position syncs to the
// sandbox, with resident memory read before and after. Memory that grows
// with the number of sends is a leak a host running for weeks would feel.
//
// VANTOREL_RELIABILITY_LONG=1 runs the full 100,000 rounds; the suite runs
// a shorter day that still shows a per-send leak of a few hundred bytes.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "VantorelCom/VantorelCom2Manager.h"
#include "VantorelCom2.h"
#include "manager/manager_internals.h"
#include "support/sandbox_test.h"

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define VANTOREL_TEST_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
#define VANTOREL_TEST_SANITIZED 1
#endif
#endif

namespace {

using VantorelCom::ManagerInternals;
using VantorelCom::VantorelCom2Manager;

long residentKilobytes() {
    std::ifstream statm("/proc/self/statm");
    long size = 0, resident = 0;
    statm >> size >> resident;
    return resident * (::sysconf(_SC_PAGESIZE) / 1024);
}

int rounds() {
    const char* longRun = std::getenv("VANTOREL_RELIABILITY_LONG");
    if (longRun && *longRun == '1') return 100000;
#ifdef VANTOREL_TEST_SANITIZED
    return 1000;
#else
    return 5000;
#endif
}

class ReliabilityMemory : public vcom::testing::SandboxTest {
protected:
    // One round: an order and a position sync for each encoding.
    void round(int i) {
        const std::string order = std::to_string(i);
        SendOrderData_set_TS9("SIM1", 101.25, 660411000 + i, order.c_str(), 1, 2, 100, 0, 100, 0, "ESZ20");
        std::free(SendOrderData_TS9());
        SendPositionData_add_MT5(u"5150", 1.17, u"EURUSD", 0, 0, 0.5);
        SendPositionData_add_MT5(u"5150", 1.18, u"GBPUSD", 0, 1, 0.25);
        std::free(SendPositionData_MT5(u"5150 | "));
        std::free(LogToVL_TS9("x", 304));
        // The sandbox keeps what it receives; that is its memory, not the library's.
        if (i % 256 == 0) sandbox().clearReceived();
    }
};

TEST_F(ReliabilityMemory, ResidentMemoryStaysFlatOverALongDay) {
    ASSERT_EQ(SendInitialize_TS9("key", 4, "9.5", 3, 2), 1);
    const int total = rounds();
    const int warmUp = total / 10;
    for (int i = 0; i < warmUp; ++i) round(i);
    sandbox().clearReceived();
    const long before = residentKilobytes();
    for (int i = warmUp; i < total; ++i) round(i);
    sandbox().clearReceived();
    const long growth = residentKilobytes() - before;

    std::printf("FIGURE memory_rounds (order send + position sync): %d\n", total);
    std::printf("FIGURE memory_resident_growth_after_warmup: %ld KiB (from %ld KiB)\n", growth, before);
    EXPECT_TRUE(ManagerInternals::pendingPositions(*VantorelCom2Manager::mpManager).empty());
#ifndef VANTOREL_TEST_SANITIZED
    // 8 MiB: a leak of 2 KB per round fails the short run, one of 100 bytes
    // per round the long run; allocator noise stays far below.
    EXPECT_LT(growth, 8 * 1024);
#endif
}

}  // namespace
