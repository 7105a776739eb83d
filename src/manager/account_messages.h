#pragma once
// The two account documents: initialize (header and address status) and
// deinitialize (header only).

#include <cstdint>
#include <string>

#include "manager/message_header.h"

namespace vcom {

std::string initializeDocument(const MessageHeader& header, std::int32_t ipAddressStatus);
std::string deinitializeDocument(const MessageHeader& header);

}  // namespace vcom
