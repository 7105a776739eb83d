#pragma once
/// @file COM_Order.h
/// One executed order (an execution, fill or deal) as a host reports it.

#include <cstdint>
#include <string>

#include "VantorelCom/DateTime.h"

namespace VantorelCom {

/// A plain record: every field public, in the order the service documents
/// list them. Codes (`me...`) are the host's own and hold 99 until set.
class COM_Order {
public:
    std::u16string msAccount;
    std::u16string msAccountId;
    std::u16string msAccountLogin;
    std::u16string msAccountNumber;
    double mdAverageFillPrice = 0;
    double mdAvgFilledPrice = 0;
    double mdAvgFillPrice = 0;
    std::int64_t mnDealTicket = 0;
    std::int32_t meDealType = 99;
    std::u16string msExecutionId;
    std::u16string msExpert;
    DateTime mnFilledTime;
    std::u16string msInstrument;
    std::int32_t meInstrumentType = 99;
    double mdLots = 0;
    std::int32_t meMarketPosition = 99;
    std::int32_t meOrderAction = 99;
    std::u16string msOrderId;
    std::int64_t mnOrderTicket = 0;
    std::int32_t meOrderType = 99;
    double mdPositionLots = 0;
    std::int32_t mnPositionQuantity = 0;
    std::int32_t mePositionType = 99;
    double mdPositionVolume = 0;
    double mdPrice = 0;
    std::int32_t mePurpose = 99;
    std::int32_t mnQuantity = 0;
    std::int32_t meSecurityType = 99;
    std::u16string msSymbol;
    std::int32_t meSymbolCalcMode = 99;
    DateTime mnTime;
    double mdVolume = 0;

    /// A record with every field at its default.
    COM_Order() = default;

    /// An independent copy of this record.
    COM_Order Clone() const { return *this; }
};

}  // namespace VantorelCom
