#pragma once
/// @file LogType.h
/// The kinds of host log line, and the subject a line is built from.

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "VantorelCom/COM_Order.h"

namespace VantorelCom {

/// Kinds of log line. A variable of this type may hold any 32-bit value:
/// flat hosts pass their integer unchanged, and unknown values yield "".
enum class LogType : std::int32_t {
    DEBUG_TXT_FunctionStart = 101,
    DEBUG_TXT_FunctionStart2 = 102,
    DEBUG_TXT_FunctionEnd = 103,
    DEBUG_TXT_FunctionEnd2 = 104,
    DEBUG_TXT_Exception = 105,
    ACCOUNT_TXT_Initialize_Post = 201,
    ACCOUNT_TXT_Initialize_OK = 202,
    ACCOUNT_TXT_Initialize_NOK = 203,
    ACCOUNT_TXT_Deinitialize_Post = 204,
    ACCOUNT_TXT_Deinitialize_OK = 205,
    ACCOUNT_TXT_Deinitialize_NOK = 206,
    ACCOUNT_TXT_Account_Connected = 207,
    ACCOUNT_TXT_Account_Disconnected = 208,
    ACCOUNT_VL_Start = 209,
    ACCOUNT_VL_Stop = 210,
    ACCOUNT_VL_IPConflict_Stop = 211,
    ACCOUNT_VL_IPConflict_Replace = 212,
    ACCOUNT_VL_APIKeyEmpty = 213,
    ACCOUNT_VL_NoHedging = 214,
    ACCOUNT_VL_InstanceExists = 215,
    ORDEREXE_TXT_Post = 301,
    ORDEREXE_TXT_OK = 302,
    ORDEREXE_TXT_NOK = 303,
    ORDEREXE_VL_Post_OK = 304,
    ORDEREXE_VL_Post_OK_QntRounded = 305,
    ORDEREXE_VL_Post_NOK_QntLow = 306,
    ORDEREXE_VL_Post_NOK_OnlyForex = 307,
    ORDEREXE_VL_Resp = 308,
    POSSYNC_TXT_Post = 401,
    POSSYNC_TXT_OK = 402,
    POSSYNC_TXT_NOK = 403,
    POSSYNC_VL_Post = 404,
    POSSYNC_VL_Resp = 405,
    Unknown = 999,
};

/// What a log line is about: nothing, a text, or an order record. An order
/// is held by reference and read only during the `logToVL` call.
class LogSubject {
public:
    LogSubject() = default;
    LogSubject(std::u16string text) : mValue(std::move(text)) {}
    LogSubject(std::u16string_view text) : mValue(std::u16string(text)) {}
    LogSubject(const char16_t* text) : mValue(std::u16string(text ? text : u"")) {}
    LogSubject(const COM_Order& order) : mValue(&order) {}

    /// The text subject, or null when the subject is not a text.
    const std::u16string* text() const { return std::get_if<std::u16string>(&mValue); }
    /// The order subject, or null when the subject is not an order.
    const COM_Order* order() const {
        auto p = std::get_if<const COM_Order*>(&mValue);
        return p ? *p : nullptr;
    }

private:
    std::variant<std::monostate, std::u16string, const COM_Order*> mValue;
};

}  // namespace VantorelCom
