#include "exports/position_quantity_monitor.h"

namespace vcom {

namespace {

// 32-bit two's-complement addition; the unsigned sum wraps by definition
// and narrowing it back is modular since C++20.
std::int32_t wrappingAdd(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}

}  // namespace

std::int32_t PositionQuantityMonitor::corrected(std::u16string_view symbol, std::int32_t quantity,
                                                std::int32_t positionQuantity) {
    // A linear walk: one entry per symbol a host trades.
    for (std::size_t i = 0; i < mPosMonitorPrevSymbol.size(); ++i) {
        if (mPosMonitorPrevSymbol[i] != symbol) continue;
        if (mPosMonitorPrevQuantity[i] == positionQuantity) {
            // The host's position has not caught up: count the fill ourselves.
            mPosMonitorPrevQuantityCorrected[i] = wrappingAdd(mPosMonitorPrevQuantityCorrected[i], quantity);
        } else {
            mPosMonitorPrevQuantity[i] = positionQuantity;
            mPosMonitorPrevQuantityCorrected[i] = positionQuantity;
        }
        return mPosMonitorPrevQuantityCorrected[i];
    }
    mPosMonitorPrevSymbol.emplace_back(symbol);
    mPosMonitorPrevQuantity.push_back(positionQuantity);
    mPosMonitorPrevQuantityCorrected.push_back(positionQuantity);
    return positionQuantity;
}

void PositionQuantityMonitor::clear() {
    mPosMonitorPrevSymbol.clear();
    mPosMonitorPrevQuantity.clear();
    mPosMonitorPrevQuantityCorrected.clear();
}

}  // namespace vcom
