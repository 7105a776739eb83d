#pragma once
// Which order record an order line is built from.

#include <cstdint>

#include "VantorelCom/COM_Order.h"
#include "VantorelCom/LogType.h"

namespace vcom::log {

// Object hosts (NT7, NT8) pass their record as the subject; flat hosts
// (TS9, TS10, MT4, MT5) use their pending order and ignore the subject.
// Null when there is none.
const VantorelCom::COM_Order* orderRecordOfLine(std::int32_t source, const VantorelCom::LogSubject& subject,
                                                const VantorelCom::COM_Order* pendingOrder);

}  // namespace vcom::log
