#pragma once
// The order-update registry: order updates that a host parks and collects
// once they are ready (state 8). Entries stand in creation order.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vcom {

class OrderUpdateRegistry {
public:
    void registerUpdate(std::u16string_view id, std::u16string_view idData, std::int32_t state,
                        std::u16string_view data);
    // Removes the first ready entry and returns its data text ("" if none).
    std::u16string takeReady();
    void clear();
    std::size_t size() const { return mOrderToUpdateId.size(); }

private:
    std::vector<std::u16string> mOrderToUpdateId;
    std::vector<std::u16string> mOrderToUpdateIdData;
    std::vector<std::int32_t> mOrderToUpdateState;
    std::vector<std::u16string> mOrderToUpdateData;
};

}  // namespace vcom
