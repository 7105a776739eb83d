#pragma once
/// @file VantorelComManager.h
/// The manager: one host's link with the trade-relay service.
///
/// Object hosts (NT7, NT8) construct managers and call these members
/// directly. One manager is meant to be used by one thread at a time; the
/// process-wide members are guarded by the library's process lock, so
/// managers on different threads do not corrupt each other.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "VantorelCom/COM_Order.h"
#include "VantorelCom/COM_Position.h"
#include "VantorelCom/DateTime.h"
#include "VantorelCom/LogType.h"

namespace VantorelCom {

struct ManagerInternals;

class VantorelComManager {
public:
    /// Sets the source code and the process-wide configuration path for it
    /// (creating the folder); with `createInstanceId`, a new instance id.
    VantorelComManager(std::int32_t source, bool createInstanceId);
    /// As above without an instance id, plus the host's version text, the
    /// library version and the position-send back-off limit.
    VantorelComManager(std::int32_t source, std::u16string sourceVersion,
                       std::int32_t nSendPositionFailCyclesUntilRetry);

    /// Process-wide claim count: returns whether a claim was active before
    /// this call, then adds (bAdd) or removes one claim.
    static bool vantorelInstanceExists(bool bAdd);
    /// Sets `msFolder` and, when the folder exists or could be created,
    /// `msIniFile` for the host kind `source`.
    static void computeFilePath(std::int32_t source, bool createInstanceId);
    /// The text after "Version=" up to the next ",", or "" when
    /// "Version=" is missing or stands at the very start.
    static std::u16string getVersionFromAssemblyFullName(std::u16string_view sFullName);

    /// Loads `msKXAPIKey` and `mbDoNotShowDialogInitialization` from the
    /// configuration file ("" and false when there is none).
    void getLiteComDataFromIniFile();
    /// The same as `getLiteComDataFromIniFile`.
    void getComDataFromIniFile();
    /// Stores `msKXAPIKey` and `mbDoNotShowDialogInitialization` in the
    /// configuration file, keeping every other line.
    void setLiteComDataToIniFile();

    /// Posts "sendInitialize"; -1 when nStatus is 1 and the service reports
    /// an address conflict, else 1.
    std::int32_t SendInitialize(std::int32_t nStatus);
    /// Posts "sendDeinitialize"; the outcome is not reported.
    void SendDeinitialize();

    /// Posts one order in the NT7 / NT8 layout: 1 accepted, -1 "Stop
    /// Vantorel", 0 any other failure.
    std::int32_t SendOrderData_NT7(const COM_Order& order);
    std::int32_t SendOrderData_NT8(const COM_Order& order);
    /// Posts one order in the host's layout and returns the last error text.
    std::u16string SendOrderData_TS9(const COM_Order& order);
    std::u16string SendOrderData_TS10(const COM_Order& order);
    std::u16string SendOrderData_MT4(const COM_Order& order);
    std::u16string SendOrderData_MT5(const COM_Order& order);

    /// Posts a position sync: 1 accepted, 2 accepted with a message longer
    /// than 10 UTF-16 units, 0 not sent or refused, -1 "Stop Vantorel".
    std::int32_t SendPositionData_NT7(const std::vector<std::u16string>& activeAccounts,
                                      const std::vector<COM_Position>& positions);
    std::int32_t SendPositionData_NT8(const std::vector<std::u16string>& activeAccounts,
                                      const std::vector<COM_Position>& positions);
    /// Posts a position sync for the accounts of a " | "-terminated list:
    /// "NOK" when nothing was posted, else the last error text.
    std::u16string SendPositionData_TS9(std::u16string_view sActiveAccounts,
                                        const std::vector<COM_Position>& positions);
    std::u16string SendPositionData_TS10(std::u16string_view sActiveAccounts,
                                         const std::vector<COM_Position>& positions);
    std::u16string SendPositionData_MT4(std::u16string_view sActiveAccounts,
                                        const std::vector<COM_Position>& positions);
    std::u16string SendPositionData_MT5(std::u16string_view sActiveAccounts,
                                        const std::vector<COM_Position>& positions);

    /// The text of a host log line of kind `logType`, or "" when the kind
    /// has none. Never fails, changes nothing.
    std::u16string logToVL(const LogSubject& dataObj, LogType logType) const;

    /// The library writes no log file: these do nothing.
    static void addToLogFile_DEBUG(std::u16string_view) {}
    static void addToLogFile_ACCOUNT(std::u16string_view) {}
    static void addToLogFile_ORDEREXE(std::u16string_view) {}
    static void addToLogFile_POSSYNC(std::u16string_view) {}

    std::u16string msKXAPIKey;
    bool mbDoNotShowDialogInitialization = false;

    /// The configuration folder and file of the last path computation.
    static std::u16string msFolder;
    static std::u16string msIniFile;

protected:
    /// Posts a JSON document to the endpoint `sName`; true when accepted.
    /// Leaves the outcome in the process-wide last error.
    bool postJsonToVantorelServer(std::u16string_view sName, std::u16string_view sContent);
    /// The same with a document already encoded as UTF-8.
    bool postUtf8Document(std::u16string_view sName, std::string_view utf8Content);

    static std::u16string msInstanceId;
    std::optional<COM_Order> mOrderDataToSend;
    std::vector<COM_Position> mPositionsDataToSend;

private:
    friend struct ManagerInternals;

    static std::u16string sourceToString(std::int32_t source);
    std::u16string localIPAddress();
    std::int64_t getDateTimeTransformed(const DateTime& dt) const;

    static const std::u16string msFolderName;
    static const std::u16string msIniFileName;
    static std::int32_t mnInstancesCount;
    static std::u16string msLastError;
    static const std::u16string msIPConflict;
    static const std::u16string msStopVL;
    static const std::u16string msNOK;

    std::u16string msLocalIPAddress;
    std::int32_t meSource = 99;
    std::u16string msSourceVersion;
    std::u16string msVantorelVersion;
    std::int32_t mnSendPositionFailCyclesUntilRetry = 0;
    std::int32_t mnSendPositionFailCyclesFromFail = 0;
    std::u16string msWebServiceName_Live;
};

}  // namespace VantorelCom
