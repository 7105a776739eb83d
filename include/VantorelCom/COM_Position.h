#pragma once
/// @file COM_Position.h
/// One open position as a host reports it.

#include <cstdint>
#include <string>

namespace VantorelCom {

/// A plain record: every field public, in document order. Each host kind
/// fills and sends only its own fields; codes hold 99 until set.
class COM_Position {
public:
    std::u16string msAccount;
    std::u16string msAccountId;
    std::u16string msAccountLogin;
    std::u16string msAccountNumber;
    double mdAveragePrice = 0;
    double mdAvgPrice = 0;
    std::u16string msInstrument;
    std::int32_t meInstrumentType = 99;
    double mdLots = 0;
    std::int32_t meMarketPosition = 99;
    std::int32_t mePositionType = 99;
    double mdPriceOpen = 0;
    std::int32_t mnQuantity = 0;
    std::int32_t meSecurityType = 99;
    std::u16string msSymbol;
    std::int32_t meSymbolCalcMode = 99;
    std::int32_t meType = 99;
    double mdVolume = 0;

    /// A record with every field at its default.
    COM_Position() = default;
};

}  // namespace VantorelCom
