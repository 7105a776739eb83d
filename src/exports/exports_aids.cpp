// Exports of log lines and of the process-wide aids (registry, monitor).
#include "VantorelCom/VantorelCom2Manager.h"
#include "exports/VantorelCom2Statics.h"
#include "exports/boundary.h"

using VantorelCom::VantorelCom2;
using VantorelCom::VantorelCom2Manager;
using namespace vcom::boundary;

extern "C" {

char* LogToVL_TS9(const char* str, int32_t logType) {
    return guardedAnsi([&] { return VantorelCom2::LogToVL_Base(fromAnsi(str), logType); });
}
char* LogToVL_TS10(const char* str, int32_t logType) {
    return guardedAnsi([&] { return VantorelCom2::LogToVL_Base(fromAnsi(str), logType); });
}
VL_WCHAR* LogToVL_MT4(const VL_WCHAR* str, int32_t logType) {
    return guardedWide([&] { return VantorelCom2::LogToVL_Base(fromWide(str), logType); });
}
VL_WCHAR* LogToVL_MT5(const VL_WCHAR* str, int32_t logType) {
    return guardedWide([&] { return VantorelCom2::LogToVL_Base(fromWide(str), logType); });
}

void RegisterOrderToUpdate(const char* sId, const char* sIdData, int32_t nState, const char* sData) {
    guardedVoid([&] {
        VantorelCom2Manager::RegisterOrderToUpdate(fromAnsi(sId), fromAnsi(sIdData), nState, fromAnsi(sData));
    });
}

char* GetRegisteredOrderToUpdate(void) {
    return guardedAnsi([] { return VantorelCom2Manager::GetRegisteredOrderToUpdate(); });
}

// Without a better answer, a failure hands back the host's own figure.
int32_t GetPositionQuantityCorrected(const char* sSymbol, int32_t nQuantity, int32_t nPositionQuantity) {
    return guarded<int32_t>(nPositionQuantity, [&] {
        return VantorelCom2::GetPositionQuantityCorrected(fromAnsi(sSymbol), nQuantity, nPositionQuantity);
    });
}

}  // extern "C"
