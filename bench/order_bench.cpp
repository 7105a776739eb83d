// The "sendOrder" documents of a TS9 and an MT5 order, and the document
// form of doubles against snprintf("%.15G") with the fix-ups that bring its
// text to the same form. Both sides run within the same iterations, so
// machine load affects them alike; the ratios are what to read.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "text/number_format.h"
#include "trade/order_document.h"

namespace {

using VantorelCom::COM_Order;
using vcom::trade::buildOrderDocument;
using vcom::trade::OrderLayout;

const vcom::MessageHeader kHeader{u"0123456789abcdef0123456789abcdef", 4, u"9.5", u"4.6.0.0", u"0A1B2C3D4E5F"};

COM_Order tsOrder() {
    COM_Order o;
    o.msAccountId = u"SIM1";
    o.mdAvgFilledPrice = 101.25;
    o.mnFilledTime = VantorelCom::DateTime{637426926000000000, false};
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

COM_Order mt5Order() {
    COM_Order o;
    o.msAccountLogin = u"5150";
    o.mnDealTicket = 987654321098;
    o.meDealType = 1;
    o.msExpert = u"Trend follower v2";
    o.meOrderType = 2;
    o.mePositionType = 0;
    o.mdPositionVolume = 0.5;
    o.mdPrice = 1.17253;
    o.mePurpose = 0;
    o.msSymbol = u"EURUSD";
    o.meSymbolCalcMode = 0;
    o.mdVolume = 0.2;
    return o;
}

template <class Build>
double secondsOf(Build&& build) {
    const auto start = std::chrono::steady_clock::now();
    build();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

constexpr int kDocumentsPerRound = 1000;

void OrderDocuments(benchmark::State& state) {
    const COM_Order ts = tsOrder();
    const COM_Order mt5 = mt5Order();
    double tsSeconds = 0, mt5Seconds = 0;
    for (auto _ : state) {
        const double t = secondsOf([&] {
            for (int i = 0; i < kDocumentsPerRound; ++i)
                benchmark::DoNotOptimize(buildOrderDocument(kHeader, ts, OrderLayout::TS, 637426746000000000));
        });
        const double m = secondsOf([&] {
            for (int i = 0; i < kDocumentsPerRound; ++i)
                benchmark::DoNotOptimize(buildOrderDocument(kHeader, mt5, OrderLayout::MT5, 637355824000000000));
        });
        tsSeconds += t;
        mt5Seconds += m;
        state.SetIterationTime(t + m);
    }
    const double documents = static_cast<double>(state.iterations()) * kDocumentsPerRound;
    state.counters["ns_per_ts9_document"] = tsSeconds / documents * 1e9;
    state.counters["ns_per_mt5_document"] = mt5Seconds / documents * 1e9;
    state.counters["mt5_to_ts9"] = mt5Seconds / tsSeconds;
}
BENCHMARK(OrderDocuments)->UseManualTime()->Unit(benchmark::kMicrosecond)->MinTime(1.0);

// "%.15G" already rounds to 15 digits, drops trailing zeros and switches to
// the exponent form at the same points; what it lacks: a "." whatever the
// locale, "0" for negative zero, and the words for NaN and the infinities.
void appendWithSnprintf(std::string& out, double value) {
    if (std::isnan(value)) {
        out += "NaN";
        return;
    }
    if (std::isinf(value)) {
        out += value < 0 ? "-Infinity" : "Infinity";
        return;
    }
    if (value == 0) {
        out += '0';
        return;
    }
    char buf[40];
    const int n = std::snprintf(buf, sizeof buf, "%.15G", value);
    for (int i = 0; i < n; ++i) out += buf[i] == ',' ? '.' : buf[i];
}

std::vector<double> sampleDoubles() {
    std::vector<double> values = {0.1,  100, 101.25, 1.0 / 3, 0.1 + 0.2, 123456789.123456789, 0.0001, 0.00001,
                                  1e15, -0.0, -2.5,  1.17253, 4000.25, std::numeric_limits<double>::quiet_NaN(),
                                  -std::numeric_limits<double>::infinity()};
    std::uint64_t state = 0x9E3779B97F4A7C15ull;
    while (values.size() < 1000) {
        state = state * 6364136223846793005ull + 1442695040888963407ull;
        const double unit = static_cast<double>(state >> 11) / 9007199254740992.0;
        values.push_back(std::round(unit * 1e7) / 1e4 * (state & 1 ? 1 : -1));  // prices with 4 decimals
        values.push_back(unit * std::pow(10.0, static_cast<int>(state % 40) - 20));
    }
    return values;
}

void DoubleFormAgainstSnprintf(benchmark::State& state) {
    const std::vector<double> values = sampleDoubles();
    std::string ours, theirs;
    ours.reserve(values.size() * 24);
    theirs.reserve(values.size() * 24);
    for (double v : values) {
        vcom::text::appendDouble(ours, v);
        ours += ' ';
        appendWithSnprintf(theirs, v);
        theirs += ' ';
    }
    if (ours != theirs) {
        state.SkipWithError("the two forms differ: the comparison would be meaningless");
        return;
    }
    double oursSeconds = 0, snprintfSeconds = 0;
    for (auto _ : state) {
        const double o = secondsOf([&] {
            ours.clear();
            for (double v : values) vcom::text::appendDouble(ours, v);
            benchmark::DoNotOptimize(ours.data());
        });
        const double s = secondsOf([&] {
            theirs.clear();
            for (double v : values) appendWithSnprintf(theirs, v);
            benchmark::DoNotOptimize(theirs.data());
        });
        oursSeconds += o;
        snprintfSeconds += s;
        state.SetIterationTime(o);
    }
    const double count = static_cast<double>(state.iterations()) * static_cast<double>(values.size());
    state.counters["ns_per_double_ours"] = oursSeconds / count * 1e9;
    state.counters["ns_per_double_snprintf"] = snprintfSeconds / count * 1e9;
    state.counters["snprintf_to_ours"] = snprintfSeconds / oursSeconds;
}
BENCHMARK(DoubleFormAgainstSnprintf)->UseManualTime()->Unit(benchmark::kMicrosecond)->MinTime(1.0);

}  // namespace
