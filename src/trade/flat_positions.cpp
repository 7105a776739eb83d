// The flat hosts' position adds and sends: adds append to the pending
// list, a send posts the whole list and empties it whatever happens.
#include "VantorelCom/VantorelCom2Manager.h"
#include "manager/process_lock.h"

namespace VantorelCom {

void VantorelCom2Manager::SendPositionData_add_TS9(std::u16string sAccountId, double dAveragePrice,
                                                   std::int32_t ePositionType, std::int32_t nQuantity,
                                                   std::int32_t eSecurityType, std::u16string sSymbol) {
    vcom::ProcessLock lock;
    COM_Position& p = mPositionsDataToSend.emplace_back();
    p.msAccountId = std::move(sAccountId);
    p.mdAveragePrice = dAveragePrice;
    p.mePositionType = ePositionType;
    p.mnQuantity = nQuantity;
    p.meSecurityType = eSecurityType;
    p.msSymbol = std::move(sSymbol);
}

void VantorelCom2Manager::SendPositionData_add_TS10(std::u16string sAccountId, double dAveragePrice,
                                                    std::int32_t ePositionType, std::int32_t nQuantity,
                                                    std::int32_t eSecurityType, std::u16string sSymbol) {
    SendPositionData_add_TS9(std::move(sAccountId), dAveragePrice, ePositionType, nQuantity, eSecurityType,
                             std::move(sSymbol));
}

void VantorelCom2Manager::SendPositionData_add_MT4(std::u16string sAccountNumber, double dAveragePrice,
                                                   double dLots, std::u16string sSymbol,
                                                   std::int32_t eSymbolCalcMode) {
    vcom::ProcessLock lock;
    COM_Position& p = mPositionsDataToSend.emplace_back();
    p.msAccountNumber = std::move(sAccountNumber);
    p.mdAveragePrice = dAveragePrice;
    p.mdLots = dLots;
    p.msSymbol = std::move(sSymbol);
    p.meSymbolCalcMode = eSymbolCalcMode;
}

void VantorelCom2Manager::SendPositionData_add_MT5(std::u16string sAccountLogin, double dPriceOpen,
                                                   std::u16string sSymbol, std::int32_t eSymbolCalcMode,
                                                   std::int32_t eType, double dVolume) {
    vcom::ProcessLock lock;
    COM_Position& p = mPositionsDataToSend.emplace_back();
    p.msAccountLogin = std::move(sAccountLogin);
    p.mdPriceOpen = dPriceOpen;
    p.msSymbol = std::move(sSymbol);
    p.meSymbolCalcMode = eSymbolCalcMode;
    p.meType = eType;
    p.mdVolume = dVolume;
}

namespace {
// Runs one send over the pending list and empties the list afterwards,
// also when the send throws.
template <class Send>
std::u16string sendAndEmpty(std::vector<COM_Position>& pending, Send&& send) {
    struct Emptier {
        std::vector<COM_Position>& list;
        ~Emptier() { list.clear(); }
    } emptier{pending};
    return send(pending);
}
}  // namespace

std::u16string VantorelCom2Manager::SendPositionData_TS9(std::u16string_view activeAccounts) {
    vcom::ProcessLock lock;
    return sendAndEmpty(mPositionsDataToSend,
                        [&](const auto& list) { return SendPositionData_TS9(activeAccounts, list); });
}
std::u16string VantorelCom2Manager::SendPositionData_TS10(std::u16string_view activeAccounts) {
    vcom::ProcessLock lock;
    return sendAndEmpty(mPositionsDataToSend,
                        [&](const auto& list) { return SendPositionData_TS10(activeAccounts, list); });
}
std::u16string VantorelCom2Manager::SendPositionData_MT4(std::u16string_view activeAccounts) {
    vcom::ProcessLock lock;
    return sendAndEmpty(mPositionsDataToSend,
                        [&](const auto& list) { return SendPositionData_MT4(activeAccounts, list); });
}
std::u16string VantorelCom2Manager::SendPositionData_MT5(std::u16string_view activeAccounts) {
    vcom::ProcessLock lock;
    return sendAndEmpty(mPositionsDataToSend,
                        [&](const auto& list) { return SendPositionData_MT5(activeAccounts, list); });
}

}  // namespace VantorelCom
