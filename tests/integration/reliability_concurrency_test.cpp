// Eight host threads calling every family of the C interface at once,
// against the sandbox. Calls are serialised by the library; what this
// shows is that nothing crashes, ThreadSanitizer sees no race, every
// result is one the interface allows, and the shared state stays whole.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "VantorelCom2.h"
#include "support/json_check.h"
#include "support/sandbox_test.h"

namespace {

constexpr int kThreads = 8;
constexpr int kRounds = 25;

std::string take(char* text) {
    std::string s = text ? text : "<null>";
    std::free(text);
    return s;
}

std::u16string take(VL_WCHAR* text) {
    std::u16string s = text ? std::u16string(text) : std::u16string(u"<null>");
    std::free(text);
    return s;
}

// Results gathered by the threads, checked on the main thread (gtest
// assertions from many threads at once would only garble the report).
struct Observations {
    std::mutex mutex;
    std::vector<std::string> faults;
    std::multiset<std::string> taken;  // registry data handed out
    std::atomic<long> calls{0};

    void fault(const std::string& what) {
        std::lock_guard<std::mutex> lock(mutex);
        if (faults.size() < 50) faults.push_back(what);
    }
    void tookData(const std::string& data) {
        std::lock_guard<std::mutex> lock(mutex);
        taken.insert(data);
    }
};

bool isOneOf(const std::string& s, std::initializer_list<const char*> allowed) {
    for (const char* a : allowed)
        if (s == a) return true;
    return false;
}

void hostThread(int t, Observations& seen) {
    const std::string key = "key-" + std::to_string(t);
    const std::u16string key16 = u"key-" + std::u16string(1, static_cast<char16_t>(u'0' + t));
    const std::string symbol = "SYM" + std::to_string(t);
    long calls = 0;
    auto expect = [&](bool ok, const std::string& what) {
        if (!ok) seen.fault("thread " + std::to_string(t) + ": " + what);
    };

    for (int round = 0; round < kRounds; ++round) {
        const bool wide = (t + round) % 2 == 1;
        // A few rounds re-initialize, replacing the manager under the others.
        if (round % 8 == t % 8) {
            const int32_t r = wide ? SendInitialize_MT5(key16.c_str(), 6, u"5.0", 3, round % 3)
                                   : SendInitialize_TS9(key.c_str(), 4, "9.5", 3, round % 3);
            expect(r == 1 || r == -1, "initialize gave " + std::to_string(r));
            ++calls;
        }

        const std::string stored = take(ReadInitialData_TS9(4));
        expect(stored.empty() || stored.rfind("key-", 0) == 0, "stored key '" + stored + "'");
        expect(take(GetVLVersion_TS10()) == "4.6.0.0", "8-bit version");
        expect(take(GetVLVersion_MT4()) == u"4.6.0.0", "UTF-16 version");
        calls += 3;

        if (wide) {
            SendOrderData_set_MT4(u"4711", u"Robo", 0.1, 1000 + round, 0, 0.3, 1.17, 1, u"EURUSD", 0, 1600000000);
            const std::u16string r = take(SendOrderData_MT4());
            expect(r.empty() || r == u"NOK", "MT4 order send gave another text");
        } else {
            SendOrderData_set_TS10("SIM1", 101.25, 660411000, "77", 1, 2, 100, 0, 100, 0, symbol.c_str());
            const std::string r = take(SendOrderData_TS10());
            expect(isOneOf(r, {"", "NOK"}), "TS10 order send gave '" + r + "'");
        }
        calls += 2;

        if (wide) {
            SendPositionData_add_MT5(u"5150", 1.17, u"EURUSD", 0, 0, 0.5);
            SendPositionData_add_MT4(u"4711", 1.17, 0.3, u"EURUSD", 0);
            const std::u16string r = take(SendPositionData_MT5(u"5150 | 4711 | "));
            expect(r.empty() || r == u"NOK", "MT5 position send gave another text");
        } else {
            SendPositionData_add_TS9("SIM1", 101.0, 1, 3, 0, symbol.c_str());
            SendPositionData_add_TS10("SIM2", 99.5, 2, 1, 0, symbol.c_str());
            const std::string r = take(SendPositionData_TS9("SIM1 | SIM2 | "));
            expect(isOneOf(r, {"", "NOK"}), "TS9 position send gave '" + r + "'");
        }
        calls += 3;

        for (int kind : {209, 304, 308, 405, 999}) {
            if (wide) {
                expect(take(LogToVL_MT4(u"text", kind)) != u"<null>", "null MT4 log line");
            } else {
                expect(take(LogToVL_TS9("text", kind)) != "<null>", "null TS9 log line");
            }
            ++calls;
        }

        const std::string data = "t" + std::to_string(t) + "-" + std::to_string(round);
        RegisterOrderToUpdate(data.c_str(), "idData", 1, data.c_str());
        RegisterOrderToUpdate(data.c_str(), "idData", 8, data.c_str());
        const std::string got = take(GetRegisteredOrderToUpdate());
        if (!got.empty()) seen.tookData(got);
        calls += 3;

        GetPositionQuantityCorrected(symbol.c_str(), round, round * 2);
        ComputeFilePath(round % 2 ? 4 : 7);
        calls += 2;

        const VL_BOOL before = VantorelInstanceExists(1);
        const VL_BOOL during = VantorelInstanceExists(0);
        expect(before == 0 || before == 1, "instance exists gave " + std::to_string(before));
        expect(during == 1, "a claim this thread holds was not seen");
        calls += 2;

        SetStopVantorel(round % 2);
        const VL_BOOL stop = GetStopVantorel();
        expect(stop == 0 || stop == 1, "stop flag gave " + std::to_string(stop));
        calls += 2;

        if (round % 10 == 9) {
            wide ? SendDeinitialize_MT4() : SendDeinitialize_TS10();
            ++calls;
        }
    }
    seen.calls += calls;
}

class ReliabilityConcurrency : public vcom::testing::SandboxTest {};

TEST_F(ReliabilityConcurrency, EightHostThreadsCallingEveryFamily) {
    Observations seen;
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) threads.emplace_back(hostThread, t, std::ref(seen));
    for (auto& th : threads) th.join();

    for (const auto& f : seen.faults) ADD_FAILURE() << f;

    // Claims were added and removed in pairs: none is left.
    EXPECT_EQ(VantorelInstanceExists(0), 0);

    // Registry data is handed out at most once, and only data that a thread
    // registered.
    for (const auto& data : seen.taken) {
        EXPECT_EQ(seen.taken.count(data), 1u) << data;
        EXPECT_EQ(data[0], 't') << data;
    }

    // Every document the service received is whole.
    const auto received = sandbox().received();
    EXPECT_FALSE(received.empty());
    for (const auto& doc : received) {
        const auto parsed = vcom::testing::parseDocument(doc.body);
        EXPECT_TRUE(parsed.is_object()) << doc.endpoint;
    }

    std::printf("FIGURE concurrency_threads_x_calls: %d x %ld\n", kThreads, seen.calls.load() / kThreads);
    std::printf("FIGURE concurrency_documents_received: %zu\n", received.size());
}

}  // namespace
