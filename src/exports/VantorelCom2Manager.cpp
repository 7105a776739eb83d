#include "VantorelCom/VantorelCom2Manager.h"

#include "exports/order_update_registry.h"
#include "manager/process_lock.h"

namespace VantorelCom {

std::unique_ptr<VantorelCom2Manager> VantorelCom2Manager::mpManager;

namespace {
vcom::OrderUpdateRegistry& registry() {
    static vcom::OrderUpdateRegistry instance;
    return instance;
}
}  // namespace

VantorelCom2Manager::VantorelCom2Manager(std::int32_t source, bool createInstanceId)
    : VantorelComManager(source, createInstanceId) {}

VantorelCom2Manager::VantorelCom2Manager(std::u16string sKXAPIKey, std::int32_t source,
                                         std::u16string sourceVersion,
                                         std::int32_t nSendPositionFailRetryCycles)
    : VantorelComManager(source, std::move(sourceVersion), nSendPositionFailRetryCycles) {
    msKXAPIKey = std::move(sKXAPIKey);
}

std::int32_t VantorelCom2Manager::SendInitialize2(std::int32_t nStatus) {
    setLiteComDataToIniFile();
    return SendInitialize(nStatus);
}

void VantorelCom2Manager::RegisterOrderToUpdate(std::u16string_view sId, std::u16string_view sIdData,
                                                std::int32_t nState, std::u16string_view sData) {
    vcom::ProcessLock lock;
    registry().registerUpdate(sId, sIdData, nState, sData);
}

std::u16string VantorelCom2Manager::GetRegisteredOrderToUpdate() {
    vcom::ProcessLock lock;
    return registry().takeReady();
}

void VantorelCom2Manager::clearCacheData() {
    vcom::ProcessLock lock;
    registry().clear();
}

}  // namespace VantorelCom
