#pragma once
// The "sendPosition" document: the message header, the active accounts and
// one object per position in the member layout of the host kind.

#include <string>
#include <vector>

#include "VantorelCom/COM_Position.h"
#include "manager/message_header.h"

namespace vcom::trade {

enum class PositionLayout { NT7, NT8, TS, MT4, MT5 };

// The document as UTF-8, built in one pass into one reserved buffer.
std::string buildPositionDocument(const MessageHeader& header, const std::vector<std::u16string>& accounts,
                                  const std::vector<VantorelCom::COM_Position>& positions,
                                  PositionLayout layout);

}  // namespace vcom::trade
