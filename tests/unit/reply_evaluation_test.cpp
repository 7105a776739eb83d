#include "link/reply_evaluation.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct ReplyCase {
    const char* name;
    std::u16string body;
    bool accepted;
    std::u16string lastError;
};

// The case's name is the test's name already; print only that.
void PrintTo(const ReplyCase& c, std::ostream* out) { *out << c.name; }

const ReplyCase kCases[] = {
    {"SuccessWithoutDescription", u"{\"OK\":true}", true, u""},
    {"SuccessWithEmptyDescription", u"{\"OK\":true,\"ErrorDescription\":\"\"}", true, u""},
    {"RefusalWithDescription", u"{\"OK\":false,\"ErrorDescription\":\"Bad key\"}", false, u"Bad key"},
    {"SuccessWithDescription", u"{\"OK\":true,\"ErrorDescription\":\"Note this\"}", true, u"Note this"},
    {"DescriptionBeforeMarker", u"{\"ErrorDescription\":\"first\",\"OK\":true}", true, u"first"},
    {"MarkersInAnyCase", u"{\"ok\":TRUE,\"errordescription\":\"x\"}", true, u"x"},
    {"BlankBeforeTrueIsNoSuccess", u"{\"OK\": true}", false, u""},
    {"SuccessMarkerAtLineStartDoesNotCount", u"\"OK\":true", false, u""},
    {"DescriptionKeyAtLineStartIsIgnored", u"ErrorDescription\":\"abc\" \"OK\":true", true, u""},
    {"BlankBeforeValueQuote", u"{\"OK\":false,\"ErrorDescription\": \"x\"}", false, u"\"x"},
    {"EmptyDescriptionFollowedByKey", u"{\"OK\":false,\"ErrorDescription\":\"\",\"Code\":5}", false, u"\","},
    {"LineTooShortForClosingQuote", u"{\"OK\":false,\"ErrorDescription\":\"", false, u""},
    {"NoOkMarker", u"{\"ErrorDescription\":\"ignored\"}", false, u""},
    {"EmptyBody", u"", false, u""},
    {"StopSignalInsideDescription", u"{\"OK\":false,\"ErrorDescription\":\"Please Stop Vantorel now\"}", false,
     u"Stop Vantorel"},
    {"StopSignalKeepsAccepted", u"{\"OK\":true,\"ErrorDescription\":\"Stop Vantorel\"}", true, u"Stop Vantorel"},
    {"StopSignalOtherCaseNotReduced", u"{\"OK\":false,\"ErrorDescription\":\"stop vantorel\"}", false,
     u"stop vantorel"},
    {"OnlyFirstMarkerLineLf", u"{\"OK\":false,\"ErrorDescription\":\"one\"}\n{\"OK\":true,\"ErrorDescription\":\"two\"}",
     false, u"one"},
    {"DescriptionOnEarlierLineIgnoredCr", u"x\"ErrorDescription\":\"early\"\r{\"OK\":true}", true, u""},
    {"DescriptionOnLaterLineIgnoredCrLf", u"{\"OK\":true}\r\nx\"ErrorDescription\":\"late\"", true, u""},
    {"CrLfIsOneLineEnd", u"a\r\n{\"OK\":false,\"ErrorDescription\":\"d\"}", false, u"d"},
    {"MarkerSplitAcrossLinesNotFound", u"{\"OK\"\n:true}", false, u""},
};

class ReplyEvaluationTest : public ::testing::TestWithParam<ReplyCase> {};

TEST_P(ReplyEvaluationTest, FollowsTheLineRules) {
    const ReplyCase& c = GetParam();
    const auto result = vcom::link::evaluateReply(c.body);
    EXPECT_EQ(result.accepted, c.accepted);
    EXPECT_EQ(result.lastError, c.lastError);
}

INSTANTIATE_TEST_SUITE_P(Replies, ReplyEvaluationTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
