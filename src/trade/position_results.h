#pragma once
// What a position send reports to its host, from how its post went and
// the last error text that the post left.

#include <cstdint>
#include <string>
#include <string_view>

namespace vcom::trade {

enum class PositionSendOutcome { NotPosted, Accepted, Refused };

// NT hosts: 1 accepted, 2 accepted with a message longer than 10 UTF-16
// units, 0 not posted or refused, -1 refused with the stop text.
std::int32_t objectHostPositionResult(PositionSendOutcome outcome, std::u16string_view lastError,
                                      std::u16string_view stopText);

// Flat hosts: the not-posted text when nothing went out, else the last
// error text as the post left it.
std::u16string flatHostPositionResult(PositionSendOutcome outcome, std::u16string_view lastError,
                                      std::u16string_view notPostedText);

}  // namespace vcom::trade
