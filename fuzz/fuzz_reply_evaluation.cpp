// Any reply body, as UTF-8 bytes or as raw UTF-16 units: the evaluation
// never fails, reads only the first marker line, and applies the stop rule.
#include <string>

#include "fuzz_support.h"
#include "link/reply_evaluation.h"
#include "text/utf.h"

using namespace vcom;

namespace {

constexpr std::u16string_view kStop = u"Stop Vantorel";

void check(std::u16string_view body) {
    const link::ReplyEvaluation first = link::evaluateReply(body);
    const link::ReplyEvaluation again = link::evaluateReply(body);
    fuzz::require(first.accepted == again.accepted && first.lastError == again.lastError, "evaluation is pure");
    if (first.lastError.find(kStop) != std::u16string::npos)
        fuzz::require(first.lastError == kStop, "a stop signal becomes the whole last error");
    fuzz::require(link::applyStopRule(first.lastError) == first.lastError, "the stop rule is idempotent");

    // Lines after the first line with the marker are not read. Markers
    // are matched without regard to the case of letters.
    std::u16string upper(body);
    for (char16_t& c : upper)
        if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
    const std::size_t marker = upper.find(u"\"OK\":");
    if (marker == std::u16string_view::npos) {
        fuzz::require(!first.accepted, "no marker, no acceptance");
        return;
    }
    const std::size_t lineEnd = body.find_first_of(u"\r\n", marker);
    if (lineEnd == std::u16string_view::npos) return;
    std::u16string changed(body.substr(0, lineEnd));
    changed += u"\n{\"OK\":false,\"ErrorDescription\":\"later line\"}";
    const link::ReplyEvaluation cut = link::evaluateReply(changed);
    fuzz::require(cut.accepted == first.accepted && cut.lastError == first.lastError, "later lines are not read");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    check(text::fromUtf8(bytes));
    check(fuzz::unitsOf(bytes));
    return 0;
}
