// The "sendPosition" document: cost per position at two list sizes (a
// ratio near 10 shows linear cost), and the same data written with
// nlohmann-json and RapidJSON, as ratios to our writer. Every figure is
// measured side by side within the same iterations, so machine load
// affects both sides alike.
#include <benchmark/benchmark.h>
#include <nlohmann/json.hpp>
#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include <chrono>
#include <string>
#include <vector>

#include "text/utf.h"
#include "trade/position_document.h"

namespace {

using VantorelCom::COM_Position;
using vcom::trade::buildPositionDocument;
using vcom::trade::PositionLayout;

const vcom::MessageHeader kHeader{u"0123456789abcdef0123456789abcdef", 6, u"5.0.4410", u"4.6.0.0",
                                  u"00-1A-2B-3C-4D-5E"};
const std::vector<std::u16string> kAccounts{u"Demo-501", u"Live-77120"};

std::vector<COM_Position> samplePositions(std::size_t count) {
    std::vector<COM_Position> positions(count);
    for (std::size_t i = 0; i < count; ++i) {
        COM_Position& p = positions[i];
        p.msAccountLogin = i % 2 ? u"Demo-501" : u"Live-77120";
        p.mdPriceOpen = 1.0 + static_cast<double>(i) / 7.0;
        p.msSymbol = u"EURUSD.m" + std::u16string(1, static_cast<char16_t>(u'A' + i % 26));
        p.meSymbolCalcMode = static_cast<std::int32_t>(i % 5);
        p.meType = static_cast<std::int32_t>(i % 2);
        p.mdVolume = 0.01 * static_cast<double>(i % 300 + 1);
    }
    return positions;
}

std::string withNlohmann(const std::vector<COM_Position>& positions) {
    using vcom::text::toUtf8;
    nlohmann::json list = nlohmann::json::array();
    for (const auto& p : positions) {
        list.push_back({{"AccountLogin", toUtf8(p.msAccountLogin)},
                        {"PriceOpen", p.mdPriceOpen},
                        {"Symbol", toUtf8(p.msSymbol)},
                        {"SymbolCalcMode", p.meSymbolCalcMode},
                        {"Type", p.meType},
                        {"Volume", p.mdVolume}});
    }
    nlohmann::json accounts = nlohmann::json::array();
    for (const auto& a : kAccounts) accounts.push_back(toUtf8(a));
    nlohmann::ordered_json doc;
    doc["PositionSync"] = {{"KXAPIKey", toUtf8(kHeader.apiKey)},
                           {"Source", kHeader.source},
                           {"SourceVersion", toUtf8(kHeader.sourceVersion)},
                           {"VantorelVersion", toUtf8(kHeader.vantorelVersion)},
                           {"IPAddress", toUtf8(kHeader.ipAddress)},
                           {"ActiveAccounts", accounts},
                           {"Positions", list}};
    return doc.dump();
}

std::string withRapidJson(const std::vector<COM_Position>& positions) {
    using Writer = rapidjson::Writer<rapidjson::StringBuffer, rapidjson::UTF16<char16_t>, rapidjson::UTF8<>>;
    rapidjson::StringBuffer buffer;
    Writer w(buffer);
    auto text = [&w](std::u16string_view s) { w.String(s.data(), static_cast<rapidjson::SizeType>(s.size())); };
    w.StartObject();
    w.Key(u"PositionSync");
    w.StartObject();
    w.Key(u"KXAPIKey"); text(kHeader.apiKey);
    w.Key(u"Source"); w.Int(kHeader.source);
    w.Key(u"SourceVersion"); text(kHeader.sourceVersion);
    w.Key(u"VantorelVersion"); text(kHeader.vantorelVersion);
    w.Key(u"IPAddress"); text(kHeader.ipAddress);
    w.Key(u"ActiveAccounts");
    w.StartArray();
    for (const auto& a : kAccounts) text(a);
    w.EndArray();
    w.Key(u"Positions");
    w.StartArray();
    for (const auto& p : positions) {
        w.StartObject();
        w.Key(u"AccountLogin"); text(p.msAccountLogin);
        w.Key(u"PriceOpen"); w.Double(p.mdPriceOpen);
        w.Key(u"Symbol"); text(p.msSymbol);
        w.Key(u"SymbolCalcMode"); w.Int(p.meSymbolCalcMode);
        w.Key(u"Type"); w.Int(p.meType);
        w.Key(u"Volume"); w.Double(p.mdVolume);
        w.EndObject();
    }
    w.EndArray();
    w.EndObject();
    w.EndObject();
    return std::string(buffer.GetString(), buffer.GetSize());
}

template <class Build>
double secondsOf(Build&& build) {
    const auto start = std::chrono::steady_clock::now();
    benchmark::DoNotOptimize(build());
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

std::string ours(const std::vector<COM_Position>& positions) {
    return buildPositionDocument(kHeader, kAccounts, positions, PositionLayout::MT5);
}

// Ten lists of 10,000 against one of 100,000: the same number of
// positions, so "per_position_ratio" is about 1 and "size_ratio" about 10
// when the cost is linear.
void PositionDocumentScaling(benchmark::State& state) {
    const auto small = samplePositions(10'000);
    const auto large = samplePositions(100'000);
    double smallSeconds = 0, largeSeconds = 0;
    for (auto _ : state) {
        double s = 0;
        for (int i = 0; i < 10; ++i) s += secondsOf([&] { return ours(small); });
        const double l = secondsOf([&] { return ours(large); });
        smallSeconds += s / 10;
        largeSeconds += l;
        state.SetIterationTime(s + l);
    }
    const double runs = static_cast<double>(state.iterations());
    state.counters["ns_per_position_10k"] = smallSeconds / runs / 10'000 * 1e9;
    state.counters["ns_per_position_100k"] = largeSeconds / runs / 100'000 * 1e9;
    state.counters["size_ratio_100k_to_10k"] = largeSeconds / smallSeconds;
    state.counters["per_position_ratio"] = (largeSeconds / 100'000) / (smallSeconds / 10'000);
    state.counters["bytes_100k"] = static_cast<double>(ours(large).size());
}
BENCHMARK(PositionDocumentScaling)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The same 100,000 positions through each writer; ratios above 1 mean the
// other writer takes longer than ours.
void PositionDocumentAgainstOtherWriters(benchmark::State& state) {
    const auto positions = samplePositions(100'000);
    double oursSeconds = 0, nlohmannSeconds = 0, rapidSeconds = 0;
    for (auto _ : state) {
        const double o = secondsOf([&] { return ours(positions); });
        const double n = secondsOf([&] { return withNlohmann(positions); });
        const double r = secondsOf([&] { return withRapidJson(positions); });
        oursSeconds += o;
        nlohmannSeconds += n;
        rapidSeconds += r;
        state.SetIterationTime(o);
    }
    const double runs = static_cast<double>(state.iterations());
    state.counters["ns_per_position_ours"] = oursSeconds / runs / 100'000 * 1e9;
    state.counters["nlohmann_dump_to_ours"] = nlohmannSeconds / oursSeconds;
    state.counters["rapidjson_writer_to_ours"] = rapidSeconds / oursSeconds;
}
BENCHMARK(PositionDocumentAgainstOtherWriters)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace
