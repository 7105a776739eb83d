#pragma once
// Library-internal access to the manager's private state, for the parts of
// the library (trade, log, exports, tests) that are not the manager itself.

#include "VantorelCom/VantorelComManager.h"
#include "manager/message_header.h"

namespace VantorelCom {

struct ManagerInternals {
    static std::int32_t source(const VantorelComManager& m) { return m.meSource; }
    static const std::u16string& sourceVersion(const VantorelComManager& m) { return m.msSourceVersion; }
    static const std::u16string& vantorelVersion(const VantorelComManager& m) { return m.msVantorelVersion; }
    static std::u16string localIPAddress(VantorelComManager& m) { return m.localIPAddress(); }
    static const std::u16string& serviceUrl(const VantorelComManager& m) { return m.msWebServiceName_Live; }
    static void setServiceUrl(VantorelComManager& m, std::u16string url) { m.msWebServiceName_Live = std::move(url); }
    static std::int32_t& failCyclesFromFail(VantorelComManager& m) { return m.mnSendPositionFailCyclesFromFail; }
    static std::int32_t failCyclesUntilRetry(const VantorelComManager& m) { return m.mnSendPositionFailCyclesUntilRetry; }
    static const std::optional<COM_Order>& pendingOrder(const VantorelComManager& m) { return m.mOrderDataToSend; }
    static const std::vector<COM_Position>& pendingPositions(const VantorelComManager& m) { return m.mPositionsDataToSend; }
    static std::int64_t dateTimeTransformed(const VantorelComManager& m, const DateTime& dt) { return m.getDateTimeTransformed(dt); }

    // Process-wide texts of the server link.
    static std::u16string& lastError() { return VantorelComManager::msLastError; }
    static const std::u16string& ipConflictText() { return VantorelComManager::msIPConflict; }
    static const std::u16string& stopText() { return VantorelComManager::msStopVL; }
    static const std::u16string& nokText() { return VantorelComManager::msNOK; }
    static std::int32_t& instancesCount() { return VantorelComManager::mnInstancesCount; }
    static std::u16string& instanceId() { return VantorelComManager::msInstanceId; }
};

}  // namespace VantorelCom

namespace VantorelCom {

// The header values of a manager at this moment (looks up the local
// address, which it caches). The views live as long as the manager.
inline vcom::MessageHeader messageHeaderOf(VantorelComManager& m, const std::u16string& ipAddress) {
    vcom::MessageHeader h;
    h.apiKey = m.msKXAPIKey;
    h.source = ManagerInternals::source(m);
    h.sourceVersion = ManagerInternals::sourceVersion(m);
    h.vantorelVersion = ManagerInternals::vantorelVersion(m);
    h.ipAddress = ipAddress;
    return h;
}

}  // namespace VantorelCom
