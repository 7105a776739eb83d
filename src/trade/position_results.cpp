#include "trade/position_results.h"

namespace vcom::trade {

namespace {
constexpr std::size_t kLongestPlainAcceptance = 10;
}

std::int32_t objectHostPositionResult(PositionSendOutcome outcome, std::u16string_view lastError,
                                      std::u16string_view stopText) {
    switch (outcome) {
        case PositionSendOutcome::NotPosted: return 0;
        case PositionSendOutcome::Accepted: return lastError.size() > kLongestPlainAcceptance ? 2 : 1;
        case PositionSendOutcome::Refused: return lastError == stopText ? -1 : 0;
    }
    return 0;
}

std::u16string flatHostPositionResult(PositionSendOutcome outcome, std::u16string_view lastError,
                                      std::u16string_view notPostedText) {
    return std::u16string(outcome == PositionSendOutcome::NotPosted ? notPostedText : lastError);
}

}  // namespace vcom::trade
