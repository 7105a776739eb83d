// Exports that need no manager, and initialize / deinitialize.
#include "VantorelCom/VantorelCom2Manager.h"
#include "exports/VantorelCom2Statics.h"
#include "exports/boundary.h"

using VantorelCom::VantorelCom2;
using VantorelCom::VantorelComManager;
using namespace vcom::boundary;

extern "C" {

char* ReadInitialData_TS9(int32_t nSource) {
    return guardedAnsi([&] { return VantorelCom2::ReadInitialData_Base(nSource); });
}
char* ReadInitialData_TS10(int32_t nSource) {
    return guardedAnsi([&] { return VantorelCom2::ReadInitialData_Base(nSource); });
}

char* GetVLVersion_TS9(void) { return guardedAnsi([] { return VantorelCom2::GetVLVersion_Base(); }); }
char* GetVLVersion_TS10(void) { return guardedAnsi([] { return VantorelCom2::GetVLVersion_Base(); }); }
VL_WCHAR* GetVLVersion_MT4(void) { return guardedWide([] { return VantorelCom2::GetVLVersion_Base(); }); }
VL_WCHAR* GetVLVersion_MT5(void) { return guardedWide([] { return VantorelCom2::GetVLVersion_Base(); }); }

// A failure that nothing else handles still reports "initialized" (1): the
// host's only other answer, -1, would wrongly claim an address conflict.
int32_t SendInitialize_TS9(const char* sKXAPIKey, int32_t nSource, const char* sSourceVersion,
                           int32_t nSendPositionFailRetryCycles, int32_t nStatus) {
    return guarded<int32_t>(1, [&] {
        return VantorelCom2::SendInitialize_Base(fromAnsi(sKXAPIKey), nSource, fromAnsi(sSourceVersion),
                                                 nSendPositionFailRetryCycles, nStatus);
    });
}
int32_t SendInitialize_TS10(const char* sKXAPIKey, int32_t nSource, const char* sSourceVersion,
                            int32_t nSendPositionFailRetryCycles, int32_t nStatus) {
    return guarded<int32_t>(1, [&] {
        return VantorelCom2::SendInitialize_Base(fromAnsi(sKXAPIKey), nSource, fromAnsi(sSourceVersion),
                                                 nSendPositionFailRetryCycles, nStatus);
    });
}
int32_t SendInitialize_MT4(const VL_WCHAR* sKXAPIKey, int32_t nSource, const VL_WCHAR* sSourceVersion,
                           int32_t nSendPositionFailRetryCycles, int32_t nStatus) {
    return guarded<int32_t>(1, [&] {
        return VantorelCom2::SendInitialize_Base(fromWide(sKXAPIKey), nSource, fromWide(sSourceVersion),
                                                 nSendPositionFailRetryCycles, nStatus);
    });
}
int32_t SendInitialize_MT5(const VL_WCHAR* sKXAPIKey, int32_t nSource, const VL_WCHAR* sSourceVersion,
                           int32_t nSendPositionFailRetryCycles, int32_t nStatus) {
    return guarded<int32_t>(1, [&] {
        return VantorelCom2::SendInitialize_Base(fromWide(sKXAPIKey), nSource, fromWide(sSourceVersion),
                                                 nSendPositionFailRetryCycles, nStatus);
    });
}

void SendDeinitialize_TS9(void) { guardedVoid([] { VantorelCom2::SendDeinitialize_Base(); }); }
void SendDeinitialize_TS10(void) { guardedVoid([] { VantorelCom2::SendDeinitialize_Base(); }); }
void SendDeinitialize_MT4(void) { guardedVoid([] { VantorelCom2::SendDeinitialize_Base(); }); }
void SendDeinitialize_MT5(void) { guardedVoid([] { VantorelCom2::SendDeinitialize_Base(); }); }

VL_BOOL VantorelInstanceExists(VL_BOOL bAdd) {
    return guarded<VL_BOOL>(0, [&] { return toBool(VantorelComManager::vantorelInstanceExists(bAdd != 0)); });
}

void ComputeFilePath(int32_t nSource) {
    guardedVoid([&] { VantorelComManager::computeFilePath(nSource, false); });
}

void SetStopVantorel(VL_BOOL bStopVantorel) {
    guardedVoid([&] { VantorelCom2::mbStopVantorel = bStopVantorel != 0; });
}

VL_BOOL GetStopVantorel(void) {
    return guarded<VL_BOOL>(0, [] { return toBool(VantorelCom2::mbStopVantorel); });
}

}  // extern "C"
