// Exports of executed orders and position syncs: forwarded to the current
// manager, dropped (or "") while there is none.
#include "VantorelCom/VantorelCom2Manager.h"
#include "exports/boundary.h"

using VantorelCom::VantorelCom2Manager;
using namespace vcom::boundary;

namespace {
VantorelCom2Manager* current() { return VantorelCom2Manager::mpManager.get(); }
}  // namespace

extern "C" {

void SendOrderData_set_TS9(const char* sAccountId, double dAvgFilledPrice, int32_t nFilledTime,
                           const char* sOrderId, int32_t eOrderAction, int32_t eOrderType,
                           int32_t nPositionQuantity, int32_t ePurpose, int32_t nQuantity,
                           int32_t eSecurityType, const char* sSymbol) {
    guardedVoid([&] {
        if (auto* m = current())
            m->SendOrderData_set_TS9(fromAnsi(sAccountId), dAvgFilledPrice, nFilledTime, fromAnsi(sOrderId),
                                     eOrderAction, eOrderType, nPositionQuantity, ePurpose, nQuantity,
                                     eSecurityType, fromAnsi(sSymbol));
    });
}
void SendOrderData_set_TS10(const char* sAccountId, double dAvgFilledPrice, int32_t nFilledTime,
                            const char* sOrderId, int32_t eOrderAction, int32_t eOrderType,
                            int32_t nPositionQuantity, int32_t ePurpose, int32_t nQuantity,
                            int32_t eSecurityType, const char* sSymbol) {
    guardedVoid([&] {
        if (auto* m = current())
            m->SendOrderData_set_TS10(fromAnsi(sAccountId), dAvgFilledPrice, nFilledTime, fromAnsi(sOrderId),
                                      eOrderAction, eOrderType, nPositionQuantity, ePurpose, nQuantity,
                                      eSecurityType, fromAnsi(sSymbol));
    });
}
void SendOrderData_set_MT4(const VL_WCHAR* sAccountNumber, const VL_WCHAR* sExpert, double dLots,
                           int64_t nOrderTicket, int32_t eOrderType, double dPositionLots, double dPrice,
                           int32_t ePurpose, const VL_WCHAR* sSymbol, int32_t eSymbolCalcMode, int64_t nTime) {
    guardedVoid([&] {
        if (auto* m = current())
            m->SendOrderData_set_MT4(fromWide(sAccountNumber), fromWide(sExpert), dLots, nOrderTicket, eOrderType,
                                     dPositionLots, dPrice, ePurpose, fromWide(sSymbol), eSymbolCalcMode, nTime);
    });
}
void SendOrderData_set_MT5(const VL_WCHAR* sAccountLogin, int64_t nDealTicket, int32_t eDealType,
                           const VL_WCHAR* sExpert, int32_t eOrderType, int32_t ePositionType,
                           double dPositionVolume, double dPrice, int32_t ePurpose, const VL_WCHAR* sSymbol,
                           int32_t eSymbolCalcMode, int64_t nTime, double dVolume) {
    guardedVoid([&] {
        if (auto* m = current())
            m->SendOrderData_set_MT5(fromWide(sAccountLogin), nDealTicket, eDealType, fromWide(sExpert),
                                     eOrderType, ePositionType, dPositionVolume, dPrice, ePurpose,
                                     fromWide(sSymbol), eSymbolCalcMode, nTime, dVolume);
    });
}

char* SendOrderData_TS9(void) {
    return guardedAnsi([] { auto* m = current(); return m ? m->SendOrderData_TS9() : std::u16string(); });
}
char* SendOrderData_TS10(void) {
    return guardedAnsi([] { auto* m = current(); return m ? m->SendOrderData_TS10() : std::u16string(); });
}
VL_WCHAR* SendOrderData_MT4(void) {
    return guardedWide([] { auto* m = current(); return m ? m->SendOrderData_MT4() : std::u16string(); });
}
VL_WCHAR* SendOrderData_MT5(void) {
    return guardedWide([] { auto* m = current(); return m ? m->SendOrderData_MT5() : std::u16string(); });
}

void SendPositionData_add_TS9(const char* sAccountId, double dAveragePrice, int32_t ePositionType,
                              int32_t nQuantity, int32_t eSecurityType, const char* sSymbol) {
    guardedVoid([&] {
        if (auto* m = current())
            m->SendPositionData_add_TS9(fromAnsi(sAccountId), dAveragePrice, ePositionType, nQuantity,
                                        eSecurityType, fromAnsi(sSymbol));
    });
}
void SendPositionData_add_TS10(const char* sAccountId, double dAveragePrice, int32_t ePositionType,
                               int32_t nQuantity, int32_t eSecurityType, const char* sSymbol) {
    guardedVoid([&] {
        if (auto* m = current())
            m->SendPositionData_add_TS10(fromAnsi(sAccountId), dAveragePrice, ePositionType, nQuantity,
                                         eSecurityType, fromAnsi(sSymbol));
    });
}
void SendPositionData_add_MT4(const VL_WCHAR* sAccountNumber, double dAveragePrice, double dLots,
                              const VL_WCHAR* sSymbol, int32_t eSymbolCalcMode) {
    guardedVoid([&] {
        if (auto* m = current())
            m->SendPositionData_add_MT4(fromWide(sAccountNumber), dAveragePrice, dLots, fromWide(sSymbol),
                                        eSymbolCalcMode);
    });
}
void SendPositionData_add_MT5(const VL_WCHAR* sAccountLogin, double dPriceOpen, const VL_WCHAR* sSymbol,
                              int32_t eSymbolCalcMode, int32_t eType, double dVolume) {
    guardedVoid([&] {
        if (auto* m = current())
            m->SendPositionData_add_MT5(fromWide(sAccountLogin), dPriceOpen, fromWide(sSymbol), eSymbolCalcMode,
                                        eType, dVolume);
    });
}

// A null accounts text counts as a text without a separator: "NOK".
char* SendPositionData_TS9(const char* sActiveAccounts) {
    return guardedAnsi([&] {
        auto* m = current();
        return m ? m->SendPositionData_TS9(fromAnsi(sActiveAccounts)) : std::u16string();
    });
}
char* SendPositionData_TS10(const char* sActiveAccounts) {
    return guardedAnsi([&] {
        auto* m = current();
        return m ? m->SendPositionData_TS10(fromAnsi(sActiveAccounts)) : std::u16string();
    });
}
VL_WCHAR* SendPositionData_MT4(const VL_WCHAR* sActiveAccounts) {
    return guardedWide([&] {
        auto* m = current();
        return m ? m->SendPositionData_MT4(fromWide(sActiveAccounts)) : std::u16string();
    });
}
VL_WCHAR* SendPositionData_MT5(const VL_WCHAR* sActiveAccounts) {
    return guardedWide([&] {
        auto* m = current();
        return m ? m->SendPositionData_MT5(fromWide(sActiveAccounts)) : std::u16string();
    });
}

}  // extern "C"
