#pragma once
// Corrects, per symbol, a position quantity that lags behind the host's
// own fills.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vcom {

class PositionQuantityMonitor {
public:
    std::int32_t corrected(std::u16string_view symbol, std::int32_t quantity,
                           std::int32_t positionQuantity);
    void clear();
    std::size_t size() const { return mPosMonitorPrevSymbol.size(); }

private:
    std::vector<std::u16string> mPosMonitorPrevSymbol;
    std::vector<std::int32_t> mPosMonitorPrevQuantity;
    std::vector<std::int32_t> mPosMonitorPrevQuantityCorrected;
};

}  // namespace vcom
