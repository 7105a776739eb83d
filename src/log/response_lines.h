#pragma once
// The response lines: the service's answer (the last error text) as a run
// of entries, each followed by "||".

#include <string>
#include <string_view>

namespace vcom::log {

// 308: when the answer starts with an order entry mark "|O|", every mark
// opens an entry "KX | ORD | RESP | "; otherwise the answer as it is.
std::u16string orderResponseLine(std::u16string_view lastError);

// 405: every "|P|" mark, then every "|O|" mark, opens an entry
// "KX | POS | SYNC | "; leading "|" are dropped.
std::u16string positionSyncResponseLine(std::u16string_view lastError);

}  // namespace vcom::log
