#pragma once
// The text of a host log line, from values only: the pure core behind
// VantorelComManager::logToVL.

#include <cstdint>
#include <string>
#include <string_view>

#include "VantorelCom/COM_Order.h"
#include "VantorelCom/LogType.h"
#include "platform/platform.h"

namespace vcom::log {

// `source` is the manager's host kind, `pendingOrder` its pending order
// (null when absent), `lastError` the server link's last error text.
// "" for every kind without a line.
std::u16string formatLogLine(std::int32_t source, const VantorelCom::LogSubject& subject,
                             VantorelCom::LogType kind, const VantorelCom::COM_Order* pendingOrder,
                             std::u16string_view lastError, const platform::LocaleFormat& locale);

}  // namespace vcom::log
