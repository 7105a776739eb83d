// The flat hosts' order setters and sends: a setter builds a fresh record
// as the pending order, a send posts whatever the last setter stored.
#include "VantorelCom/VantorelCom2Manager.h"
#include "manager/process_lock.h"
#include "text/date_time.h"

namespace VantorelCom {

namespace {
constexpr vcom::text::CivilTime kTsTimeBase{2000, 1, 1, 0, 0, 0};
constexpr vcom::text::CivilTime kMtTimeBase{1970, 1, 1, 0, 0, 0};
}  // namespace

void VantorelCom2Manager::SendOrderData_set_TS9(std::u16string sAccountId, double dAvgFilledPrice,
                                                std::int32_t nFilledTime, std::u16string sOrderId,
                                                std::int32_t eOrderAction, std::int32_t eOrderType,
                                                std::int32_t nPositionQuantity, std::int32_t ePurpose,
                                                std::int32_t nQuantity, std::int32_t eSecurityType,
                                                std::u16string sSymbol) {
    vcom::ProcessLock lock;
    COM_Order order;
    order.msAccountId = std::move(sAccountId);
    order.mdAvgFilledPrice = dAvgFilledPrice;
    order.mnFilledTime = vcom::text::wallClockPlusSeconds(kTsTimeBase, nFilledTime);
    order.msOrderId = std::move(sOrderId);
    order.meOrderAction = eOrderAction;
    order.meOrderType = eOrderType;
    order.mnPositionQuantity = nPositionQuantity;
    order.mePurpose = ePurpose;
    order.mnQuantity = nQuantity;
    order.meSecurityType = eSecurityType;
    order.msSymbol = std::move(sSymbol);
    mOrderDataToSend = std::move(order);
}

void VantorelCom2Manager::SendOrderData_set_TS10(std::u16string sAccountId, double dAvgFilledPrice,
                                                 std::int32_t nFilledTime, std::u16string sOrderId,
                                                 std::int32_t eOrderAction, std::int32_t eOrderType,
                                                 std::int32_t nPositionQuantity, std::int32_t ePurpose,
                                                 std::int32_t nQuantity, std::int32_t eSecurityType,
                                                 std::u16string sSymbol) {
    SendOrderData_set_TS9(std::move(sAccountId), dAvgFilledPrice, nFilledTime, std::move(sOrderId),
                          eOrderAction, eOrderType, nPositionQuantity, ePurpose, nQuantity, eSecurityType,
                          std::move(sSymbol));
}

void VantorelCom2Manager::SendOrderData_set_MT4(std::u16string sAccountNumber, std::u16string sExpert,
                                                double dLots, std::int64_t nOrderTicket,
                                                std::int32_t eOrderType, double dPositionLots, double dPrice,
                                                std::int32_t ePurpose, std::u16string sSymbol,
                                                std::int32_t eSymbolCalcMode, std::int64_t nTime) {
    vcom::ProcessLock lock;
    COM_Order order;
    order.msAccountNumber = std::move(sAccountNumber);
    order.msExpert = std::move(sExpert);
    order.mdLots = dLots;
    order.mnOrderTicket = nOrderTicket;
    order.meOrderType = eOrderType;
    order.mdPositionLots = dPositionLots;
    order.mdPrice = dPrice;
    order.mePurpose = ePurpose;
    order.msSymbol = std::move(sSymbol);
    order.meSymbolCalcMode = eSymbolCalcMode;
    order.mnTime = vcom::text::wallClockPlusSeconds(kMtTimeBase, nTime);
    mOrderDataToSend = std::move(order);
}

void VantorelCom2Manager::SendOrderData_set_MT5(std::u16string sAccountLogin, std::int64_t nDealTicket,
                                                std::int32_t eDealType, std::u16string sExpert,
                                                std::int32_t eOrderType, std::int32_t ePositionType,
                                                double dPositionVolume, double dPrice, std::int32_t ePurpose,
                                                std::u16string sSymbol, std::int32_t eSymbolCalcMode,
                                                std::int64_t nTime, double dVolume) {
    vcom::ProcessLock lock;
    COM_Order order;
    order.msAccountLogin = std::move(sAccountLogin);
    order.mnDealTicket = nDealTicket;
    order.meDealType = eDealType;
    order.msExpert = std::move(sExpert);
    order.meOrderType = eOrderType;
    order.mePositionType = ePositionType;
    order.mdPositionVolume = dPositionVolume;
    order.mdPrice = dPrice;
    order.mePurpose = ePurpose;
    order.msSymbol = std::move(sSymbol);
    order.meSymbolCalcMode = eSymbolCalcMode;
    order.mnTime = vcom::text::wallClockPlusSeconds(kMtTimeBase, nTime);
    order.mdVolume = dVolume;
    mOrderDataToSend = std::move(order);
}

// Without a pending order there is nothing to build: nothing is posted.
std::u16string VantorelCom2Manager::SendOrderData_TS9() {
    vcom::ProcessLock lock;
    return mOrderDataToSend ? SendOrderData_TS9(*mOrderDataToSend) : u"NOK";
}
std::u16string VantorelCom2Manager::SendOrderData_TS10() {
    vcom::ProcessLock lock;
    return mOrderDataToSend ? SendOrderData_TS10(*mOrderDataToSend) : u"NOK";
}
std::u16string VantorelCom2Manager::SendOrderData_MT4() {
    vcom::ProcessLock lock;
    return mOrderDataToSend ? SendOrderData_MT4(*mOrderDataToSend) : u"NOK";
}
std::u16string VantorelCom2Manager::SendOrderData_MT5() {
    vcom::ProcessLock lock;
    return mOrderDataToSend ? SendOrderData_MT5(*mOrderDataToSend) : u"NOK";
}

}  // namespace VantorelCom
