#pragma once
/// @file VantorelCom2Manager.h
/// The manager behind the exported C functions: flat setters, flat adds and
/// flat sends for the TS9, TS10, MT4 and MT5 hosts, plus the process-wide
/// order-update registry. Hosts reach it only through the C functions.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "VantorelCom/VantorelComManager.h"

namespace VantorelCom {

class VantorelCom2Manager : public VantorelComManager {
public:
    /// The manager the exported functions drive; none until the first
    /// initialize, replaced by every initialize.
    static std::unique_ptr<VantorelCom2Manager> mpManager;

    VantorelCom2Manager(std::int32_t source, bool createInstanceId);
    VantorelCom2Manager(std::u16string sKXAPIKey, std::int32_t source,
                        std::u16string sourceVersion,
                        std::int32_t nSendPositionFailRetryCycles);

    /// Stores the key in the configuration file, then posts the initialize.
    std::int32_t SendInitialize2(std::int32_t nStatus);

    // Flat order setters: replace the pending order.
    void SendOrderData_set_TS9(std::u16string sAccountId, double dAvgFilledPrice,
                               std::int32_t nFilledTime, std::u16string sOrderId,
                               std::int32_t eOrderAction, std::int32_t eOrderType,
                               std::int32_t nPositionQuantity, std::int32_t ePurpose,
                               std::int32_t nQuantity, std::int32_t eSecurityType,
                               std::u16string sSymbol);
    void SendOrderData_set_TS10(std::u16string sAccountId, double dAvgFilledPrice,
                                std::int32_t nFilledTime, std::u16string sOrderId,
                                std::int32_t eOrderAction, std::int32_t eOrderType,
                                std::int32_t nPositionQuantity, std::int32_t ePurpose,
                                std::int32_t nQuantity, std::int32_t eSecurityType,
                                std::u16string sSymbol);
    void SendOrderData_set_MT4(std::u16string sAccountNumber, std::u16string sExpert,
                               double dLots, std::int64_t nOrderTicket,
                               std::int32_t eOrderType, double dPositionLots, double dPrice,
                               std::int32_t ePurpose, std::u16string sSymbol,
                               std::int32_t eSymbolCalcMode, std::int64_t nTime);
    void SendOrderData_set_MT5(std::u16string sAccountLogin, std::int64_t nDealTicket,
                               std::int32_t eDealType, std::u16string sExpert,
                               std::int32_t eOrderType, std::int32_t ePositionType,
                               double dPositionVolume, double dPrice, std::int32_t ePurpose,
                               std::u16string sSymbol, std::int32_t eSymbolCalcMode,
                               std::int64_t nTime, double dVolume);

    // Flat order sends: post the pending order ("NOK" without one).
    using VantorelComManager::SendOrderData_MT4;
    using VantorelComManager::SendOrderData_MT5;
    using VantorelComManager::SendOrderData_TS10;
    using VantorelComManager::SendOrderData_TS9;
    std::u16string SendOrderData_TS9();
    std::u16string SendOrderData_TS10();
    std::u16string SendOrderData_MT4();
    std::u16string SendOrderData_MT5();

    // Flat position adds: append to the pending position list.
    void SendPositionData_add_TS9(std::u16string sAccountId, double dAveragePrice,
                                  std::int32_t ePositionType, std::int32_t nQuantity,
                                  std::int32_t eSecurityType, std::u16string sSymbol);
    void SendPositionData_add_TS10(std::u16string sAccountId, double dAveragePrice,
                                   std::int32_t ePositionType, std::int32_t nQuantity,
                                   std::int32_t eSecurityType, std::u16string sSymbol);
    void SendPositionData_add_MT4(std::u16string sAccountNumber, double dAveragePrice,
                                  double dLots, std::u16string sSymbol,
                                  std::int32_t eSymbolCalcMode);
    void SendPositionData_add_MT5(std::u16string sAccountLogin, double dPriceOpen,
                                  std::u16string sSymbol, std::int32_t eSymbolCalcMode,
                                  std::int32_t eType, double dVolume);

    // Flat position sends: post the pending list, then empty it.
    using VantorelComManager::SendPositionData_MT4;
    using VantorelComManager::SendPositionData_MT5;
    using VantorelComManager::SendPositionData_TS10;
    using VantorelComManager::SendPositionData_TS9;
    std::u16string SendPositionData_TS9(std::u16string_view activeAccounts);
    std::u16string SendPositionData_TS10(std::u16string_view activeAccounts);
    std::u16string SendPositionData_MT4(std::u16string_view activeAccounts);
    std::u16string SendPositionData_MT5(std::u16string_view activeAccounts);

    // The process-wide order-update registry.
    static void RegisterOrderToUpdate(std::u16string_view sId, std::u16string_view sIdData,
                                      std::int32_t nState, std::u16string_view sData);
    static std::u16string GetRegisteredOrderToUpdate();
    static void clearCacheData();
};

}  // namespace VantorelCom
