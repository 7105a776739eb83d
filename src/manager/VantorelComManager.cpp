#include "VantorelCom/VantorelComManager.h"

#include "manager/process_lock.h"
#include "manager/version.h"

namespace VantorelCom {

std::u16string VantorelComManager::msInstanceId;
const std::u16string VantorelComManager::msFolderName = u"Vantorel";
std::u16string VantorelComManager::msFolder;
const std::u16string VantorelComManager::msIniFileName = u"VantorelConfig.ini";
std::u16string VantorelComManager::msIniFile;
std::int32_t VantorelComManager::mnInstancesCount = 0;
std::u16string VantorelComManager::msLastError;
const std::u16string VantorelComManager::msIPConflict = u"IP Address conflict";
const std::u16string VantorelComManager::msStopVL = u"Stop Vantorel";
const std::u16string VantorelComManager::msNOK = u"NOK";

// TODO(manager): placeholders until the manager lands.
VantorelComManager::VantorelComManager(std::int32_t source, bool createInstanceId) {
    vcom::ProcessLock lock;
    computeFilePath(source, createInstanceId);
    meSource = source;
}

VantorelComManager::VantorelComManager(std::int32_t source, std::u16string sourceVersion,
                                       std::int32_t nSendPositionFailCyclesUntilRetry)
    : VantorelComManager(source, false) {
    msSourceVersion = std::move(sourceVersion);
    msVantorelVersion = getVersionFromAssemblyFullName(vcom::kLibraryIdentity);
    mnSendPositionFailCyclesUntilRetry = nSendPositionFailCyclesUntilRetry;
}

bool VantorelComManager::vantorelInstanceExists(bool) { return false; }
void VantorelComManager::computeFilePath(std::int32_t, bool) {}
std::u16string VantorelComManager::getVersionFromAssemblyFullName(std::u16string_view) { return u"4.6.0.0"; }
std::u16string VantorelComManager::sourceToString(std::int32_t) { return {}; }
void VantorelComManager::getLiteComDataFromIniFile() {}
void VantorelComManager::getComDataFromIniFile() { getLiteComDataFromIniFile(); }
void VantorelComManager::setLiteComDataToIniFile() {}
std::u16string VantorelComManager::localIPAddress() { return msLocalIPAddress; }
std::int32_t VantorelComManager::SendInitialize(std::int32_t) { return 1; }
void VantorelComManager::SendDeinitialize() {}

}  // namespace VantorelCom
