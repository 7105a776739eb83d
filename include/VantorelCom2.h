#ifndef VANTORELCOM2_H
#define VANTORELCOM2_H
/**
 * @file VantorelCom2.h
 * The flat C interface of VantorelCom2 for TS9, TS10, MT4 and MT5 hosts.
 *
 * Encodings: functions ending in _TS9 or _TS10, and the unsuffixed ones,
 * take and return 8-bit text in the system's ANSI code page (on Linux: the
 * character set of the environment's locale). Functions ending in _MT4 or
 * _MT5 take and return UTF-16 (`VL_WCHAR`).
 *
 * Text arguments are copied on entry; a null pointer counts as empty text.
 * Text results are fresh NUL-terminated buffers owned by the caller, an
 * empty result too: release them with CoTaskMemFree on Windows, free() on
 * Linux. A result is null only when memory for it could not be had.
 *
 * Thread safety: every function may be called from any thread; calls are
 * serialised by one process-wide lock (a call that posts to the service
 * holds it until the reply has been read or the post has failed).
 * No function lets an exception or crash escape into the host.
 */

#include <stdint.h>

#ifdef _WIN32
#include <wchar.h>
#if defined(__cplusplus) && defined(VL_WCHAR_AS_CHAR16)
/* For C++ code that keeps UTF-16 as char16_t (the library's own tests):
 * the same 16-bit units, so the same functions. */
typedef char16_t VL_WCHAR;
#else
typedef wchar_t VL_WCHAR;
#endif
#define VL_EXPORT
#else
#ifdef __cplusplus
typedef char16_t VL_WCHAR;
#else
#include <uchar.h>
typedef char16_t VL_WCHAR;
#endif
#define VL_EXPORT __attribute__((visibility("default")))
#endif

/** The 32-bit Windows boolean: any non-zero argument is true; results are 1 or 0. */
typedef int32_t VL_BOOL;

#ifdef __cplusplus
extern "C" {
#endif

/* --- Stored API key and version ---------------------------------------- */

/** The API key stored for host kind nSource ("" if none); points the configuration path there. 8-bit result, caller frees. */
VL_EXPORT char* ReadInitialData_TS9(int32_t nSource);
/** As ReadInitialData_TS9. 8-bit result, caller frees. */
VL_EXPORT char* ReadInitialData_TS10(int32_t nSource);

/** The library version, "4.6.0.0". 8-bit result, caller frees. */
VL_EXPORT char* GetVLVersion_TS9(void);
/** The library version, "4.6.0.0". 8-bit result, caller frees. */
VL_EXPORT char* GetVLVersion_TS10(void);
/** The library version, "4.6.0.0". UTF-16 result, caller frees. */
VL_EXPORT VL_WCHAR* GetVLVersion_MT4(void);
/** The library version, "4.6.0.0". UTF-16 result, caller frees. */
VL_EXPORT VL_WCHAR* GetVLVersion_MT5(void);

/* --- Initialize and deinitialize --------------------------------------- */

/** Empties registry and monitor, makes a new current manager, stores the key, posts the initialize: -1 on an address conflict reported for nStatus 1, else 1. 8-bit arguments. */
VL_EXPORT int32_t SendInitialize_TS9(const char* sKXAPIKey, int32_t nSource, const char* sSourceVersion, int32_t nSendPositionFailRetryCycles, int32_t nStatus);
/** As SendInitialize_TS9. 8-bit arguments. */
VL_EXPORT int32_t SendInitialize_TS10(const char* sKXAPIKey, int32_t nSource, const char* sSourceVersion, int32_t nSendPositionFailRetryCycles, int32_t nStatus);
/** As SendInitialize_TS9. UTF-16 arguments. */
VL_EXPORT int32_t SendInitialize_MT4(const VL_WCHAR* sKXAPIKey, int32_t nSource, const VL_WCHAR* sSourceVersion, int32_t nSendPositionFailRetryCycles, int32_t nStatus);
/** As SendInitialize_TS9. UTF-16 arguments. */
VL_EXPORT int32_t SendInitialize_MT5(const VL_WCHAR* sKXAPIKey, int32_t nSource, const VL_WCHAR* sSourceVersion, int32_t nSendPositionFailRetryCycles, int32_t nStatus);

/** Posts the deinitialize for the current manager (nothing without one); the manager stays current. */
VL_EXPORT void SendDeinitialize_TS9(void);
/** As SendDeinitialize_TS9. */
VL_EXPORT void SendDeinitialize_TS10(void);
/** As SendDeinitialize_TS9. */
VL_EXPORT void SendDeinitialize_MT4(void);
/** As SendDeinitialize_TS9. */
VL_EXPORT void SendDeinitialize_MT5(void);

/* --- Executed orders --------------------------------------------------- */

/** Replaces the pending order; nFilledTime is seconds after 2000-01-01 00:00:00 local wall-clock time. 8-bit arguments. */
VL_EXPORT void SendOrderData_set_TS9(const char* sAccountId, double dAvgFilledPrice, int32_t nFilledTime, const char* sOrderId, int32_t eOrderAction, int32_t eOrderType, int32_t nPositionQuantity, int32_t ePurpose, int32_t nQuantity, int32_t eSecurityType, const char* sSymbol);
/** As SendOrderData_set_TS9. 8-bit arguments. */
VL_EXPORT void SendOrderData_set_TS10(const char* sAccountId, double dAvgFilledPrice, int32_t nFilledTime, const char* sOrderId, int32_t eOrderAction, int32_t eOrderType, int32_t nPositionQuantity, int32_t ePurpose, int32_t nQuantity, int32_t eSecurityType, const char* sSymbol);
/** Replaces the pending order; nTime is seconds after 1970-01-01 00:00:00 local wall-clock time (clamped to 0001..9999). UTF-16 arguments. */
VL_EXPORT void SendOrderData_set_MT4(const VL_WCHAR* sAccountNumber, const VL_WCHAR* sExpert, double dLots, int64_t nOrderTicket, int32_t eOrderType, double dPositionLots, double dPrice, int32_t ePurpose, const VL_WCHAR* sSymbol, int32_t eSymbolCalcMode, int64_t nTime);
/** As SendOrderData_set_MT4, in the MT5 record's layout. UTF-16 arguments. */
VL_EXPORT void SendOrderData_set_MT5(const VL_WCHAR* sAccountLogin, int64_t nDealTicket, int32_t eDealType, const VL_WCHAR* sExpert, int32_t eOrderType, int32_t ePositionType, double dPositionVolume, double dPrice, int32_t ePurpose, const VL_WCHAR* sSymbol, int32_t eSymbolCalcMode, int64_t nTime, double dVolume);

/** Posts the pending order: the service's error text ("" when none), "NOK" without a pending order, "" without a manager. 8-bit result, caller frees. */
VL_EXPORT char* SendOrderData_TS9(void);
/** As SendOrderData_TS9. 8-bit result, caller frees. */
VL_EXPORT char* SendOrderData_TS10(void);
/** As SendOrderData_TS9. UTF-16 result, caller frees. */
VL_EXPORT VL_WCHAR* SendOrderData_MT4(void);
/** As SendOrderData_TS9. UTF-16 result, caller frees. */
VL_EXPORT VL_WCHAR* SendOrderData_MT5(void);

/* --- Position sync ----------------------------------------------------- */

/** Appends one open position to the pending list. 8-bit arguments. */
VL_EXPORT void SendPositionData_add_TS9(const char* sAccountId, double dAveragePrice, int32_t ePositionType, int32_t nQuantity, int32_t eSecurityType, const char* sSymbol);
/** As SendPositionData_add_TS9. 8-bit arguments. */
VL_EXPORT void SendPositionData_add_TS10(const char* sAccountId, double dAveragePrice, int32_t ePositionType, int32_t nQuantity, int32_t eSecurityType, const char* sSymbol);
/** Appends one open position to the pending list. UTF-16 arguments. */
VL_EXPORT void SendPositionData_add_MT4(const VL_WCHAR* sAccountNumber, double dAveragePrice, double dLots, const VL_WCHAR* sSymbol, int32_t eSymbolCalcMode);
/** Appends one open position to the pending list. UTF-16 arguments. */
VL_EXPORT void SendPositionData_add_MT5(const VL_WCHAR* sAccountLogin, double dPriceOpen, const VL_WCHAR* sSymbol, int32_t eSymbolCalcMode, int32_t eType, double dVolume);

/** Posts the pending positions for the accounts of "A | B | " and empties the list: "NOK" when nothing was posted, else the service's error text. 8-bit text, caller frees. */
VL_EXPORT char* SendPositionData_TS9(const char* sActiveAccounts);
/** As SendPositionData_TS9. 8-bit text, caller frees. */
VL_EXPORT char* SendPositionData_TS10(const char* sActiveAccounts);
/** As SendPositionData_TS9. UTF-16 text, caller frees. */
VL_EXPORT VL_WCHAR* SendPositionData_MT4(const VL_WCHAR* sActiveAccounts);
/** As SendPositionData_TS9. UTF-16 text, caller frees. */
VL_EXPORT VL_WCHAR* SendPositionData_MT5(const VL_WCHAR* sActiveAccounts);

/* --- Host log lines ---------------------------------------------------- */

/** The log line of kind logType for the text str, laid out for the current manager's host kind ("" without a manager or line). 8-bit text, caller frees. */
VL_EXPORT char* LogToVL_TS9(const char* str, int32_t logType);
/** As LogToVL_TS9. 8-bit text, caller frees. */
VL_EXPORT char* LogToVL_TS10(const char* str, int32_t logType);
/** As LogToVL_TS9. UTF-16 text, caller frees. */
VL_EXPORT VL_WCHAR* LogToVL_MT4(const VL_WCHAR* str, int32_t logType);
/** As LogToVL_TS9. UTF-16 text, caller frees. */
VL_EXPORT VL_WCHAR* LogToVL_MT5(const VL_WCHAR* str, int32_t logType);

/* --- Process-wide aids (no manager needed; 8-bit text) ----------------- */

/** Whether a claim was active before this call; then adds (bAdd true) or removes one claim. */
VL_EXPORT VL_BOOL VantorelInstanceExists(VL_BOOL bAdd);
/** Points the process-wide configuration path at host kind nSource, creating its folder. */
VL_EXPORT void ComputeFilePath(int32_t nSource);
/** Registers or updates a parked order update (state 1 always adds, -1 removes, 8 is ready). 8-bit arguments. */
VL_EXPORT void RegisterOrderToUpdate(const char* sId, const char* sIdData, int32_t nState, const char* sData);
/** Hands out and forgets the data text of the first ready (state 8) entry, or "". 8-bit result, caller frees. */
VL_EXPORT char* GetRegisteredOrderToUpdate(void);
/** The corrected position quantity for sSymbol (32-bit wrap-around). 8-bit argument. */
VL_EXPORT int32_t GetPositionQuantityCorrected(const char* sSymbol, int32_t nQuantity, int32_t nPositionQuantity);
/** Sets the process-wide stop flag (non-zero is true); the library itself never reads it. */
VL_EXPORT void SetStopVantorel(VL_BOOL bStopVantorel);
/** The process-wide stop flag, 1 or 0. */
VL_EXPORT VL_BOOL GetStopVantorel(void);

#ifdef __cplusplus
}
#endif

#endif /* VANTORELCOM2_H */
