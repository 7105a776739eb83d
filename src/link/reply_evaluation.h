#pragma once
// Whether the service accepted a message, and the error description it
// gave, read from the reply text. The reply is searched for fixed markers
// at fixed offsets, never parsed as JSON.

#include <string>
#include <string_view>

namespace vcom::link {

struct ReplyEvaluation {
    bool accepted = false;
    std::u16string lastError;
};

// Evaluates the first line (CR, LF or CR LF ends a line) that holds the
// "OK": marker; later lines are not read. The stop rule is applied.
ReplyEvaluation evaluateReply(std::u16string_view body);

// A last error that contains the stop signal becomes exactly the signal.
std::u16string applyStopRule(std::u16string lastError);

}  // namespace vcom::link
