#pragma once
// The static class behind the exported functions: one shared body per host
// family, the stop flag and the position quantity monitor.

#include <cstdint>
#include <string>
#include <string_view>

#include "exports/position_quantity_monitor.h"

namespace VantorelCom {

class VantorelCom2 {
public:
    static std::u16string ReadInitialData_Base(std::int32_t nSource);
    static std::u16string GetVLVersion_Base();
    static std::int32_t SendInitialize_Base(std::u16string sKXAPIKey, std::int32_t nSource,
                                            std::u16string sSourceVersion,
                                            std::int32_t nSendPositionFailRetryCycles,
                                            std::int32_t nStatus);
    static void SendDeinitialize_Base();
    static std::u16string LogToVL_Base(std::u16string str, std::int32_t logType);

    // Empties the registry, then the monitor.
    static void clearCacheData();

    static std::int32_t GetPositionQuantityCorrected(std::u16string_view sSymbol,
                                                     std::int32_t nQuantity,
                                                     std::int32_t nPositionQuantity);

    static bool mbStopVantorel;
    static vcom::PositionQuantityMonitor mPositionMonitor;
};

}  // namespace VantorelCom
