#include "exports/position_quantity_monitor.h"

namespace vcom {

// TODO(monitor): placeholder until the monitor lands.
std::int32_t PositionQuantityMonitor::corrected(std::u16string_view, std::int32_t,
                                                std::int32_t positionQuantity) {
    return positionQuantity;
}

void PositionQuantityMonitor::clear() {
    mPosMonitorPrevSymbol.clear();
    mPosMonitorPrevQuantity.clear();
    mPosMonitorPrevQuantityCorrected.clear();
}

}  // namespace vcom
