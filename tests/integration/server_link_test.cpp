#include <chrono>
#include <string>

#include "VantorelCom/VantorelComManager.h"
#include "link/link_settings.h"
#include "manager/manager_internals.h"
#include "support/sandbox_test.h"
#include "text/utf.h"

namespace {

using vcom::sandbox::ScriptedReply;
using VantorelCom::ManagerInternals;

constexpr std::int32_t kNt8Source = 3;

// Opens the protected post for the tests.
class LinkProbe : public VantorelCom::VantorelComManager {
public:
    explicit LinkProbe(const std::string& baseUrl) : VantorelComManager(kNt8Source, false) {
        ManagerInternals::setServiceUrl(*this, vcom::text::fromUtf8(baseUrl));
    }
    using VantorelComManager::postJsonToVantorelServer;
    using VantorelComManager::postUtf8Document;
};

const std::u16string& lastError() { return ManagerInternals::lastError(); }

class ServerLinkTest : public vcom::testing::SandboxTest {
protected:
    LinkProbe probe() { return LinkProbe(sandbox().baseUrl()); }

    // A document with non-ASCII text goes out byte for byte as UTF-8 with
    // the JSON content type, and the description of the reply comes back.
    void expectAcceptedRoundTrip() {
        sandbox().script(ScriptedReply::accepted("Noted"));
        const std::u16string document = u"{\"Symbol\":\"\u00e9\u20ac\U0001F600\",\"Quantity\":-1}";
        EXPECT_TRUE(probe().postJsonToVantorelServer(u"sendOrder", document));
        EXPECT_EQ(lastError(), u"Noted");
        const auto received = sandbox().received();
        ASSERT_EQ(received.size(), 1u);
        EXPECT_EQ(received[0].endpoint, "sendOrder");
        EXPECT_EQ(received[0].contentType, "application/json");
        EXPECT_EQ(received[0].body, "{\"Symbol\":\"\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\",\"Quantity\":-1}");
    }
};

TEST_F(ServerLinkTest, HttpPostIsAcceptedAndSentByteExact) { expectAcceptedRoundTrip(); }

TEST_F(ServerLinkTest, HttpsPostIsAcceptedAndSentByteExact) {
    useHttps();
    expectAcceptedRoundTrip();
}

TEST_F(ServerLinkTest, ErrorStatusFailsWithoutEvaluatingTheBody) {
    sandbox().script({500, R"({"OK":true,"ErrorDescription":"not read"})"});
    EXPECT_FALSE(probe().postUtf8Document(u"sendPosition", "{}"));
    EXPECT_EQ(lastError(), u"HTTP status 500 (Internal Server Error)");
}

TEST_F(ServerLinkTest, RedirectIsNotFollowed) {
    sandbox().script(ScriptedReply::redirect(302, "/sendOrder"));
    EXPECT_FALSE(probe().postUtf8Document(u"sendOrder", "{}"));
    EXPECT_EQ(lastError(), u"HTTP status 302 (Found)");
    EXPECT_EQ(sandbox().received().size(), 1u);
}

TEST_F(ServerLinkTest, UnreachableServiceGivesTheClientsText) {
    std::string closedUrl;
    {
        vcom::sandbox::RelaySandbox closed;
        closedUrl = closed.baseUrl();
    }
    LinkProbe link(closedUrl);
    EXPECT_FALSE(link.postUtf8Document(u"sendInitialize", "{}"));
    EXPECT_NE(lastError().find(u"127.0.0.1"), std::u16string::npos) << vcom::text::toUtf8(lastError());
}

TEST_F(ServerLinkTest, ServiceThatNeverAnswersIsGivenUpOnWithinTheBounds) {
    const vcom::link::ScopedTimeoutOverride shortBounds(
        {std::chrono::seconds(2), std::chrono::seconds(1), std::chrono::seconds(1)});
    sandbox().script(ScriptedReply::noAnswer());
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(probe().postUtf8Document(u"sendOrder", "{}"));
    // Far below the default bound of 30 s.
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
    EXPECT_NE(lastError().find(u"timed out"), std::u16string::npos) << vcom::text::toUtf8(lastError());
    // The held request is released and the next post goes through.
    EXPECT_TRUE(probe().postUtf8Document(u"sendOrder", "{}"));
}

TEST_F(ServerLinkTest, SeveralPostsShareOneConnection) {
    LinkProbe link = probe();
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(link.postUtf8Document(u"sendPosition", "{}"));
    EXPECT_EQ(sandbox().received().size(), 3u);
    EXPECT_EQ(sandbox().connectionsAccepted(), 1u);
}

TEST_F(ServerLinkTest, UntrustedCertificateFailsBeforeTheBodyIsSent) {
    useHttps();
    const vcom::testing::ScopedEnv noCaBundle("VANTOREL_CA_BUNDLE", std::nullopt);
    EXPECT_FALSE(probe().postUtf8Document(u"sendOrder", "{\"secret\":1}"));
    EXPECT_FALSE(lastError().empty());
    EXPECT_TRUE(sandbox().received().empty());
}

TEST_F(ServerLinkTest, OversizedReplyIsCutNotFailed) {
    sandbox().script({200, "{\"OK\":true}\n" + std::string(3 << 20, 'x')});
    EXPECT_TRUE(probe().postUtf8Document(u"sendOrder", "{}"));
    EXPECT_EQ(lastError(), u"");
}

TEST_F(ServerLinkTest, PostAfterFailedOneStartsWithEmptyLastError) {
    sandbox().script(ScriptedReply::httpStatus(503));
    sandbox().script({200, "no marker here"});
    LinkProbe link = probe();
    EXPECT_FALSE(link.postUtf8Document(u"sendOrder", "{}"));
    EXPECT_FALSE(lastError().empty());
    EXPECT_FALSE(link.postUtf8Document(u"sendOrder", "{}"));
    EXPECT_EQ(lastError(), u"");
}

TEST_F(ServerLinkTest, StopSignalInAReplyBecomesTheWholeLastError) {
    sandbox().script(ScriptedReply::refused("Account closed - Stop Vantorel - bye"));
    EXPECT_FALSE(probe().postUtf8Document(u"sendOrder", "{}"));
    EXPECT_EQ(lastError(), u"Stop Vantorel");
}

}  // namespace
