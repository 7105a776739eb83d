#include "exports/VantorelCom2Statics.h"

#include "VantorelCom/VantorelCom2Manager.h"
#include "manager/version.h"

namespace VantorelCom {

bool VantorelCom2::mbStopVantorel = false;
vcom::PositionQuantityMonitor VantorelCom2::mPositionMonitor;

std::u16string VantorelCom2::ReadInitialData_Base(std::int32_t nSource) {
    VantorelCom2Manager reader(nSource, false);
    reader.getLiteComDataFromIniFile();
    return reader.msKXAPIKey;
}

std::u16string VantorelCom2::GetVLVersion_Base() {
    return VantorelComManager::getVersionFromAssemblyFullName(vcom::kLibraryIdentity);
}

std::int32_t VantorelCom2::SendInitialize_Base(std::u16string sKXAPIKey, std::int32_t nSource,
                                               std::u16string sSourceVersion,
                                               std::int32_t nSendPositionFailRetryCycles,
                                               std::int32_t nStatus) {
    clearCacheData();
    // The previous manager goes first, so that two never exist at once.
    VantorelCom2Manager::mpManager.reset();
    VantorelCom2Manager::mpManager = std::make_unique<VantorelCom2Manager>(
        std::move(sKXAPIKey), nSource, std::move(sSourceVersion), nSendPositionFailRetryCycles);
    return VantorelCom2Manager::mpManager->SendInitialize2(nStatus);
}

void VantorelCom2::SendDeinitialize_Base() {
    if (auto& manager = VantorelCom2Manager::mpManager) manager->SendDeinitialize();
}

std::u16string VantorelCom2::LogToVL_Base(std::u16string str, std::int32_t logType) {
    auto& manager = VantorelCom2Manager::mpManager;
    if (!manager) return {};
    return manager->logToVL(LogSubject(std::move(str)), static_cast<LogType>(logType));
}

void VantorelCom2::clearCacheData() {
    VantorelCom2Manager::clearCacheData();
    mPositionMonitor.clear();
}

std::int32_t VantorelCom2::GetPositionQuantityCorrected(std::u16string_view sSymbol,
                                                        std::int32_t nQuantity,
                                                        std::int32_t nPositionQuantity) {
    return mPositionMonitor.corrected(sSymbol, nQuantity, nPositionQuantity);
}

}  // namespace VantorelCom
