#include "exports/order_update_registry.h"

namespace vcom {

// TODO(registry): placeholder until the registry lands.
void OrderUpdateRegistry::registerUpdate(std::u16string_view, std::u16string_view, std::int32_t,
                                         std::u16string_view) {}

std::u16string OrderUpdateRegistry::takeReady() { return {}; }

void OrderUpdateRegistry::clear() {
    mOrderToUpdateId.clear();
    mOrderToUpdateIdData.clear();
    mOrderToUpdateState.clear();
    mOrderToUpdateData.clear();
}

}  // namespace vcom
