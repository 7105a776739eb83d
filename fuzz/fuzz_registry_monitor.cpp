// A sequence of registry and monitor operations against a plain model of
// the same rules, written here from their description.
#include <string>
#include <vector>

#include "exports/order_update_registry.h"
#include "exports/position_quantity_monitor.h"
#include "fuzz_support.h"

using namespace vcom;

namespace {

struct Entry {
    std::u16string id, idData;
    std::int32_t state;
    std::u16string data;
};

// The registry: state 1 always appends; otherwise the entry is found by id,
// else by id data among entries without an id (which then learn the id,
// prefixed to their data); -1 removes, any other state is stored.
struct RegistryModel {
    std::vector<Entry> entries;

    void registerUpdate(const std::u16string& id, const std::u16string& idData, std::int32_t state,
                        const std::u16string& data) {
        Entry* found = nullptr;
        if (state != 1) {
            if (!id.empty())
                for (auto& e : entries)
                    if (e.id == id) { found = &e; break; }
            if (!found && !idData.empty())
                for (auto& e : entries)
                    if (e.id.empty() && e.idData == idData) {
                        e.id = id;
                        e.data = id + e.data;
                        found = &e;
                        break;
                    }
        }
        if (!found) {
            if (state != -1) entries.push_back({id, idData, state, data});
        } else if (state == -1) {
            entries.erase(entries.begin() + (found - entries.data()));
        } else {
            found->state = state;
        }
    }
    std::u16string takeReady() {
        for (auto it = entries.begin(); it != entries.end(); ++it)
            if (it->state == 8) {
                std::u16string data = it->data;
                entries.erase(it);
                return data;
            }
        return {};
    }
};

// The monitor: the first call for a symbol gives the position; a call with
// the same position as last time adds the fill to the corrected value
// (32-bit wrap-around); a new position replaces both.
struct MonitorModel {
    struct Symbol {
        std::u16string name;
        std::int32_t last, corrected;
    };
    std::vector<Symbol> symbols;

    std::int32_t corrected(const std::u16string& name, std::int32_t quantity, std::int32_t position) {
        for (auto& s : symbols) {
            if (s.name != name) continue;
            if (s.last == position) {
                s.corrected = static_cast<std::int32_t>(static_cast<std::uint32_t>(s.corrected) +
                                                        static_cast<std::uint32_t>(quantity));
            } else {
                s.last = s.corrected = position;
            }
            return s.corrected;
        }
        symbols.push_back({name, position, position});
        return position;
    }
};

// Short texts from a tiny alphabet, so that ids and symbols repeat.
std::u16string smallText(fuzz::Reader& in) {
    const std::uint8_t b = in.byte();
    std::u16string s;
    for (int i = 0; i < (b & 3); ++i) s += static_cast<char16_t>(u'A' + ((b >> (2 + i)) & 1));
    return s;
}

std::int32_t state(fuzz::Reader& in) {
    static constexpr std::int32_t kStates[] = {1, -1, 8, 3, 0, 5};
    const std::uint8_t b = in.byte();
    return b < 240 ? kStates[b % 6] : in.int32();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Reader in(data, size);
    OrderUpdateRegistry registry;
    PositionQuantityMonitor monitor;
    RegistryModel registryModel;
    MonitorModel monitorModel;
    int serial = 0;
    while (!in.empty()) {
        switch (in.byte() % 6) {
            case 0:
            case 1: {
                const std::u16string id = smallText(in), idData = smallText(in);
                const std::int32_t s = state(in);
                const std::u16string text = u"d" + std::u16string(1, static_cast<char16_t>(u'0' + serial++ % 10));
                registry.registerUpdate(id, idData, s, text);
                registryModel.registerUpdate(id, idData, s, text);
                break;
            }
            case 2:
                fuzz::require(registry.takeReady() == registryModel.takeReady(), "ready entry handed out");
                break;
            case 3: {
                const std::u16string symbol = smallText(in);
                const std::uint8_t pick = in.byte();
                const std::int32_t quantity = pick & 1 ? in.int32() : static_cast<std::int8_t>(in.byte());
                const std::int32_t position = pick & 2 ? in.int32() : static_cast<std::int8_t>(in.byte());
                fuzz::require(monitor.corrected(symbol, quantity, position) ==
                                  monitorModel.corrected(symbol, quantity, position),
                              "corrected quantity");
                break;
            }
            case 4:
                if (in.byte() % 8 == 0) {
                    registry.clear();
                    registryModel.entries.clear();
                }
                break;
            default:
                if (in.byte() % 8 == 0) {
                    monitor.clear();
                    monitorModel.symbols.clear();
                }
                break;
        }
        fuzz::require(registry.size() == registryModel.entries.size(), "registry size");
        fuzz::require(monitor.size() == monitorModel.symbols.size(), "monitor size");
    }
    // Draining gives the same data in the same order.
    for (std::u16string got; !(got = registry.takeReady()).empty();)
        fuzz::require(got == registryModel.takeReady(), "drained entry");
    fuzz::require(registryModel.takeReady().empty(), "nothing ready left");
    return 0;
}
