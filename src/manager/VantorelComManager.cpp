#include "VantorelCom/VantorelComManager.h"

#include <array>
#include <iterator>

#include "link/service_url.h"
#include "manager/account_messages.h"
#include "manager/config_text.h"
#include "manager/manager_internals.h"
#include "manager/process_lock.h"
#include "manager/version.h"
#include "platform/platform.h"
#include "text/utf.h"

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

namespace {

// The lower-case text form of a GUID: 8-4-4-4-12 hexadecimal digits.
std::u16string guidText(const std::array<std::uint8_t, 16>& bytes) {
    static constexpr char16_t kHex[] = u"0123456789abcdef";
    std::u16string out;
    out.reserve(36);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i == 4 || i == 6 || i == 8 || i == 10) out.push_back(u'-');
        out.push_back(kHex[bytes[i] >> 4]);
        out.push_back(kHex[bytes[i] & 0x0F]);
    }
    return out;
}

std::u16string upperHex(const std::vector<std::uint8_t>& bytes) {
    static constexpr char16_t kHex[] = u"0123456789ABCDEF";
    std::u16string out;
    out.reserve(bytes.size() * 2);
    for (std::uint8_t b : bytes) {
        out.push_back(kHex[b >> 4]);
        out.push_back(kHex[b & 0x0F]);
    }
    return out;
}

// The UTF-8, UTF-16 and UTF-32 marks (UTF-32 LE begins like UTF-16 LE).
bool startsWithByteOrderMark(std::string_view bytes) {
    using namespace std::string_view_literals;
    return bytes.starts_with("\xEF\xBB\xBF"sv) || bytes.starts_with("\xFF\xFE"sv) ||
           bytes.starts_with("\xFE\xFF"sv) || bytes.starts_with("\0\0\xFE\xFF"sv);
}

// The new file content. A file without a mark is updated as bytes, so its
// other lines survive even where they are not valid UTF-8.
std::string updatedConfigFile(std::string_view bytes, std::u16string_view key, bool doNotShowDialog) {
    if (!startsWithByteOrderMark(bytes)) return vcom::config::updateUtf8(bytes, key, doNotShowDialog);
    return vcom::text::toUtf8(
        vcom::config::update(vcom::text::decodeWithByteOrderMark(bytes), key, doNotShowDialog));
}

}  // namespace

VantorelComManager::VantorelComManager(std::int32_t source, bool createInstanceId)
    : msWebServiceName_Live(vcom::link::liveServiceBaseUrl()) {
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

bool VantorelComManager::vantorelInstanceExists(bool bAdd) {
    vcom::ProcessLock lock;
    const bool claimedBefore = mnInstancesCount > 0;
    // Wraps at the limits instead of overflowing.
    const auto count = static_cast<std::uint32_t>(mnInstancesCount);
    mnInstancesCount = static_cast<std::int32_t>(bAdd ? count + 1u : count - 1u);
    return claimedBefore;
}

void VantorelComManager::computeFilePath(std::int32_t source, bool createInstanceId) {
    vcom::ProcessLock lock;
    auto& os = vcom::platform::os();
    if (createInstanceId) msInstanceId = guidText(os.newGuid()).substr(24);

    const char16_t sep = os.pathSeparator();
    const std::u16string roaming = os.roamingAppDataFolder();
    msFolder = roaming + sep + msFolderName + sep + sourceToString(source);
    // Without a known roaming folder the path would be rooted; treat the
    // folder as missing rather than create it there.
    if (roaming.empty()) return;
    if (!os.isDirectory(msFolder)) os.createDirectories(msFolder);
    if (os.isDirectory(msFolder)) msIniFile = msFolder + sep + msIniFileName;
}

std::u16string VantorelComManager::getVersionFromAssemblyFullName(std::u16string_view sFullName) {
    constexpr std::u16string_view kMarker = u"Version=";
    const std::size_t at = sFullName.find(kMarker);
    if (at == std::u16string_view::npos || at == 0) return {};
    const std::size_t start = at + kMarker.size();
    const std::size_t comma = sFullName.find(u',', start);
    return std::u16string(sFullName.substr(start, comma == std::u16string_view::npos ? comma : comma - start));
}

std::u16string VantorelComManager::sourceToString(std::int32_t source) {
    static constexpr std::u16string_view kFolderNames[] = {u"", u"", u"kxnt7", u"kxnt8",
                                                           u"kxts9", u"kxmt4", u"kxmt5", u"kxts10"};
    if (source < 0 || source >= static_cast<std::int32_t>(std::size(kFolderNames))) return {};
    return std::u16string(kFolderNames[source]);
}

void VantorelComManager::getLiteComDataFromIniFile() {
    vcom::ProcessLock lock;
    msKXAPIKey.clear();
    mbDoNotShowDialogInitialization = false;
    auto& os = vcom::platform::os();
    if (msIniFile.empty() || !os.isFile(msIniFile)) return;
    const std::optional<std::string> bytes = os.readFile(msIniFile);
    if (!bytes) return;
    vcom::config::ConfigEntries entries = vcom::config::parse(vcom::text::decodeWithByteOrderMark(*bytes));
    msKXAPIKey = std::move(entries.key);
    mbDoNotShowDialogInitialization = entries.doNotShowDialog;
}

void VantorelComManager::getComDataFromIniFile() { getLiteComDataFromIniFile(); }

void VantorelComManager::setLiteComDataToIniFile() {
    vcom::ProcessLock lock;
    auto& os = vcom::platform::os();
    if (msIniFile.empty()) return;
    if (!os.isFile(msIniFile)) os.createEmptyFile(msIniFile);
    if (!os.isFile(msIniFile)) return;
    // A file that cannot be read is left alone rather than overwritten.
    const std::optional<std::string> bytes = os.readFile(msIniFile);
    if (!bytes) return;
    os.replaceFile(msIniFile, updatedConfigFile(*bytes, msKXAPIKey, mbDoNotShowDialogInitialization));
}

std::u16string VantorelComManager::localIPAddress() {
    if (!msLocalIPAddress.empty()) return msLocalIPAddress;
    auto& os = vcom::platform::os();
    std::u16string address;
    if (os.networkAvailable()) {
        for (const vcom::platform::NetworkInterface& nic : os.networkInterfaces()) {
            if (!nic.up) continue;
            address = upperHex(nic.physicalAddress);
            if (!address.empty()) break;
        }
    }
    msLocalIPAddress = address;
    return address;
}

std::int32_t VantorelComManager::SendInitialize(std::int32_t nStatus) {
    vcom::ProcessLock lock;
    const std::u16string ipAddress = localIPAddress();
    postUtf8Document(u"sendInitialize", vcom::initializeDocument(messageHeaderOf(*this, ipAddress), nStatus));
    return (nStatus == 1 && msLastError == msIPConflict) ? -1 : 1;
}

void VantorelComManager::SendDeinitialize() {
    vcom::ProcessLock lock;
    const std::u16string ipAddress = localIPAddress();
    postUtf8Document(u"sendDeinitialize", vcom::deinitializeDocument(messageHeaderOf(*this, ipAddress)));
}

}  // namespace VantorelCom
