#include "link/reply_evaluation.h"

namespace vcom::link {

namespace {

constexpr std::u16string_view kOkMarker = u"\"OK\":";
constexpr std::u16string_view kSuccessMarker = u"\"OK\":TRUE";
constexpr std::u16string_view kDescriptionKey = u"ERRORDESCRIPTION";
constexpr std::u16string_view kStopSignal = u"Stop Vantorel";
// From the key's first letter: past the key, its closing quote, the colon
// and the value's opening quote.
constexpr std::size_t kValueOffset = 19;
constexpr std::size_t kClosingQuoteSearchOffset = 20;

char16_t upper(char16_t c) { return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - u'a' + u'A') : c; }

// First position of `marker` (upper case) in `line`, letters compared
// without regard to case.
std::size_t findIgnoringCase(std::u16string_view line, std::u16string_view marker) {
    if (marker.size() > line.size()) return std::u16string_view::npos;
    for (std::size_t at = 0; at + marker.size() <= line.size(); ++at) {
        std::size_t i = 0;
        while (i < marker.size() && upper(line[at + i]) == marker[i]) ++i;
        if (i == marker.size()) return at;
    }
    return std::u16string_view::npos;
}

ReplyEvaluation evaluateLine(std::u16string_view line) {
    ReplyEvaluation result;
    const std::size_t success = findIgnoringCase(line, kSuccessMarker);
    result.accepted = success != std::u16string_view::npos && success > 0;
    const std::size_t d = findIgnoringCase(line, kDescriptionKey);
    if (d != std::u16string_view::npos && d > 0 && d + kClosingQuoteSearchOffset <= line.size()) {
        const std::size_t q = line.find(u'"', d + kClosingQuoteSearchOffset);
        if (q != std::u16string_view::npos) result.lastError = line.substr(d + kValueOffset, q - (d + kValueOffset));
    }
    return result;
}

}  // namespace

ReplyEvaluation evaluateReply(std::u16string_view body) {
    ReplyEvaluation result;
    std::size_t start = 0;
    while (start <= body.size()) {
        std::size_t end = body.find_first_of(u"\r\n", start);
        if (end == std::u16string_view::npos) end = body.size();
        const std::u16string_view line = body.substr(start, end - start);
        if (findIgnoringCase(line, kOkMarker) != std::u16string_view::npos) {
            result = evaluateLine(line);
            break;
        }
        if (end == body.size()) break;
        start = end + ((body[end] == u'\r' && end + 1 < body.size() && body[end + 1] == u'\n') ? 2 : 1);
    }
    result.lastError = applyStopRule(std::move(result.lastError));
    return result;
}

std::u16string applyStopRule(std::u16string lastError) {
    if (lastError.find(kStopSignal) != std::u16string::npos) return std::u16string(kStopSignal);
    return lastError;
}

}  // namespace vcom::link
