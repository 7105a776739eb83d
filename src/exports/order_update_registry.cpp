#include "exports/order_update_registry.h"

#include <optional>

namespace vcom {

// Lookups walk the lists from the front: the first match in creation order
// is the one that counts, and hosts park a handful of updates at a time.

namespace {

std::optional<std::size_t> firstIndexOf(const std::vector<std::u16string>& list, std::u16string_view value) {
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i] == value) return i;
    }
    return std::nullopt;
}

template <class T>
void eraseAt(std::vector<T>& list, std::size_t i) {
    list.erase(list.begin() + static_cast<std::ptrdiff_t>(i));
}

}  // namespace

void OrderUpdateRegistry::registerUpdate(std::u16string_view id, std::u16string_view idData,
                                         std::int32_t state, std::u16string_view data) {
    constexpr std::int32_t kCreate = 1;
    constexpr std::int32_t kRemove = -1;

    std::optional<std::size_t> found;
    if (state != kCreate) {
        if (!id.empty()) found = firstIndexOf(mOrderToUpdateId, id);
        if (!found && !idData.empty()) {
            // An entry still waiting for its id learns it here.
            for (std::size_t i = 0; i < mOrderToUpdateIdData.size(); ++i) {
                if (mOrderToUpdateId[i].empty() && mOrderToUpdateIdData[i] == idData) {
                    mOrderToUpdateId[i] = std::u16string(id);
                    mOrderToUpdateData[i].insert(0, id);
                    found = i;
                    break;
                }
            }
        }
    }

    if (!found) {
        if (state == kRemove) return;
        mOrderToUpdateId.emplace_back(id);
        mOrderToUpdateIdData.emplace_back(idData);
        mOrderToUpdateState.push_back(state);
        mOrderToUpdateData.emplace_back(data);
        return;
    }

    const std::size_t i = *found;
    if (state == kRemove) {
        eraseAt(mOrderToUpdateId, i);
        eraseAt(mOrderToUpdateIdData, i);
        eraseAt(mOrderToUpdateState, i);
        eraseAt(mOrderToUpdateData, i);
    } else {
        mOrderToUpdateState[i] = state;
    }
}

std::u16string OrderUpdateRegistry::takeReady() {
    constexpr std::int32_t kReady = 8;
    for (std::size_t i = 0; i < mOrderToUpdateState.size(); ++i) {
        if (mOrderToUpdateState[i] != kReady) continue;
        std::u16string data = std::move(mOrderToUpdateData[i]);
        eraseAt(mOrderToUpdateId, i);
        eraseAt(mOrderToUpdateIdData, i);
        eraseAt(mOrderToUpdateState, i);
        eraseAt(mOrderToUpdateData, i);
        return data;
    }
    return {};
}

void OrderUpdateRegistry::clear() {
    mOrderToUpdateId.clear();
    mOrderToUpdateIdData.clear();
    mOrderToUpdateState.clear();
    mOrderToUpdateData.clear();
}

}  // namespace vcom
