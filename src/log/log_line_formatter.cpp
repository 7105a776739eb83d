#include "log/log_line_formatter.h"

#include "log/locale_text.h"
#include "log/order_lines.h"
#include "log/order_record_choice.h"
#include "log/response_lines.h"

namespace vcom::log {

namespace {

using VantorelCom::LogSubject;
using VantorelCom::LogType;

std::u16string textLine(std::u16string_view head, const LogSubject& subject) {
    const std::u16string* text = subject.text();
    if (!text) return {};
    std::u16string line(head);
    line += *text;
    return line;
}

}  // namespace

std::u16string formatLogLine(std::int32_t source, const LogSubject& subject, LogType kind,
                             const VantorelCom::COM_Order* pendingOrder, std::u16string_view lastError,
                             const platform::LocaleFormat& locale) {
    switch (kind) {
        case LogType::ACCOUNT_VL_Start:
            return textLine(u"KX | CLIENT | STARTED | ", subject);
        case LogType::ACCOUNT_VL_Stop:
            return textLine(u"KX | CLIENT | STOPPED | ", subject);
        case LogType::ACCOUNT_VL_IPConflict_Stop:
            return u"KX | CLIENT | Warn | For this KX APIKey there is another Vantorel working from a "
                   u"different computer.This Vantorel will be stopped.";
        case LogType::ACCOUNT_VL_IPConflict_Replace:
            return u"KX | CLIENT | Warn | For this KX APIKey there is another Vantorel working from a "
                   u"different computer. The other Vantorel will be stopped.";
        case LogType::ACCOUNT_VL_APIKeyEmpty:
            return u"KX | CLIENT | Warn | KX APIKey is Empty!";
        case LogType::ACCOUNT_VL_NoHedging:
            return u"KX | CLIENT | Warn | Hedging Accounts are not supported by KX!";
        case LogType::ACCOUNT_VL_InstanceExists:
            return u"KX | CLIENT | Warn | KX Vantorel is already started. There cannot be two KX Vantorel "
                   u"sessions!";
        case LogType::ORDEREXE_VL_Post_OK:
        case LogType::ORDEREXE_VL_Post_OK_QntRounded:
            return orderPostLine(kind == LogType::ORDEREXE_VL_Post_OK ? kPostHead : kPostRoundedHead, source,
                                 orderRecordOfLine(source, subject, pendingOrder), LocaleText(locale));
        case LogType::ORDEREXE_VL_Post_NOK_QntLow:
            return minimumLotLine(source, orderRecordOfLine(source, subject, pendingOrder), LocaleText(locale));
        case LogType::ORDEREXE_VL_Post_NOK_OnlyForex:
            return onlyForexLine(source, pendingOrder);
        case LogType::ORDEREXE_VL_Resp:
            return orderResponseLine(lastError);
        case LogType::POSSYNC_VL_Resp:
            return positionSyncResponseLine(lastError);
        default:
            return {};
    }
}

}  // namespace vcom::log
