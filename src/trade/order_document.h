#pragma once
// The "sendOrder" document of each host kind: the shared header, then the
// record fields that the host kind fills, under its own keys and order.

#include <cstdint>
#include <string>

#include "VantorelCom/COM_Order.h"
#include "manager/message_header.h"

namespace vcom::trade {

enum class OrderLayout { NT7, NT8, TS, MT4, MT5 };

// {"Order":{header..., members...}} as UTF-8. `timeTicks` is the Eastern
// tick count of the layout's time field (mnFilledTime for TS, else mnTime).
std::string buildOrderDocument(const MessageHeader& header, const VantorelCom::COM_Order& order,
                               OrderLayout layout, std::int64_t timeTicks);

}  // namespace vcom::trade
