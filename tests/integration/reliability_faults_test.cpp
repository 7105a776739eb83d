// Faults of the service and the network that a host meets in the field,
// beyond the server-link tests: a name that does not resolve, 404, a reply
// cut short, a reply of ten megabytes, a certificate for another name.
// Each prints what the library made of it.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "VantorelCom/VantorelComManager.h"
#include "VantorelCom2.h"
#include "link/link_settings.h"
#include "manager/manager_internals.h"
#include "support/sandbox_test.h"
#include "text/utf.h"

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define VANTOREL_TEST_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
#define VANTOREL_TEST_SANITIZED 1
#endif
#endif

namespace {

using VantorelCom::ManagerInternals;
using vcom::sandbox::ScriptedReply;
using vcom::text::toUtf8;

constexpr std::int32_t kNt8Source = 3;

class LinkProbe : public VantorelCom::VantorelComManager {
public:
    explicit LinkProbe(const std::string& baseUrl) : VantorelComManager(kNt8Source, false) {
        ManagerInternals::setServiceUrl(*this, vcom::text::fromUtf8(baseUrl));
    }
    using VantorelComManager::postUtf8Document;
};

const std::u16string& lastError() { return ManagerInternals::lastError(); }

void printOutcome(const char* fault, bool accepted) {
    std::printf("FIGURE fault %s: %s, last error \"%s\"\n", fault, accepted ? "accepted" : "failed",
                toUtf8(lastError()).c_str());
}

const vcom::link::LinkTimeouts kShortBounds{std::chrono::seconds(5), std::chrono::seconds(3),
                                            std::chrono::seconds(3)};

class ReliabilityFaults : public vcom::testing::SandboxTest {};

TEST_F(ReliabilityFaults, NameThatDoesNotResolve) {
    const vcom::link::ScopedTimeoutOverride bounds(kShortBounds);
    LinkProbe link("https://nonexistent.invalid:8090/");
    const auto start = std::chrono::steady_clock::now();
    const bool accepted = link.postUtf8Document(u"sendOrder", "{}");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(60));
    printOutcome("name that does not resolve", accepted);
    EXPECT_FALSE(accepted);
    EXPECT_FALSE(lastError().empty());

    // Through the export the host sees the failure as the order result.
    const vcom::testing::ScopedEnv url("VANTOREL_SERVICE_URL", std::string("https://nonexistent.invalid:8090/"));
    EXPECT_EQ(SendInitialize_TS9("key", 4, "9", 3, 2), 1);
    SendOrderData_set_TS9("A", 1, 0, "1", 1, 1, 1, 0, 1, 0, "ES");
    char* result = SendOrderData_TS9();
    ASSERT_NE(result, nullptr);
    EXPECT_STRNE(result, "");
    std::free(result);
}

TEST_F(ReliabilityFaults, StatusNotFound) {
    sandbox().script(ScriptedReply::httpStatus(404));
    const bool accepted = LinkProbe(sandbox().baseUrl()).postUtf8Document(u"sendPosition", "{}");
    printOutcome("status 404", accepted);
    EXPECT_FALSE(accepted);
    EXPECT_EQ(lastError(), u"HTTP status 404 (Not Found)");
}

#ifndef _WIN32
// A one-shot HTTP server on loopback that reads a request and answers with
// exactly the bytes it is given, then closes: replies the sandbox cannot
// make (cut short, or streamed without holding them in memory).
class RawReplyServer {
public:
    // `head` is sent first, then `fillerBytes` bytes of 'x' in small pieces.
    RawReplyServer(std::string head, std::size_t fillerBytes) {
        mListener = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (mListener < 0 || ::bind(mListener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
            ::listen(mListener, 4) != 0 ||
            ::getsockname(mListener, reinterpret_cast<sockaddr*>(&address), &length) != 0)
            throw std::runtime_error("raw reply server: cannot listen");
        mPort = ntohs(address.sin_port);
        mThread = std::thread([this, head = std::move(head), fillerBytes] { serve(head, fillerBytes); });
    }
    ~RawReplyServer() {
        ::shutdown(mListener, SHUT_RDWR);
        ::close(mListener);
        if (mThread.joinable()) mThread.join();
    }
    std::string url() const { return "http://127.0.0.1:" + std::to_string(mPort) + "/"; }
    std::string request() const {
        return mDone ? mRequest : std::string();
    }

private:
    void serve(const std::string& head, std::size_t fillerBytes) {
        const int client = ::accept(mListener, nullptr, nullptr);
        if (client < 0) return;
        // The request: headers, then as much body as is announced (the
        // library's documents are small, so one short wait is enough).
        char buffer[4096];
        while (mRequest.find("\r\n\r\n") == std::string::npos) {
            const ssize_t got = ::recv(client, buffer, sizeof buffer, 0);
            if (got <= 0) break;
            mRequest.append(buffer, static_cast<std::size_t>(got));
        }
        mDone = true;
        sendAll(client, head);
        const std::string piece(64 * 1024, 'x');
        while (fillerBytes > 0) {
            const std::size_t n = std::min(fillerBytes, piece.size());
            if (!sendAll(client, std::string_view(piece).substr(0, n))) break;
            fillerBytes -= n;
        }
        ::shutdown(client, SHUT_RDWR);
        ::close(client);
    }
    static bool sendAll(int fd, std::string_view bytes) {
        while (!bytes.empty()) {
            const ssize_t sent = ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
            if (sent <= 0) return false;
            bytes.remove_prefix(static_cast<std::size_t>(sent));
        }
        return true;
    }

    int mListener = -1;
    int mPort = 0;
    std::string mRequest;
    std::atomic<bool> mDone{false};
    std::thread mThread;
};

long residentKilobytes() {
    std::ifstream statm("/proc/self/statm");
    long size = 0, resident = 0;
    statm >> size >> resident;
    return resident * (::sysconf(_SC_PAGESIZE) / 1024);
}

TEST_F(ReliabilityFaults, ReplyCutInTheMiddle) {
    const vcom::link::ScopedTimeoutOverride bounds(kShortBounds);
    struct Cut {
        const char* name;
        std::string bytes;
        bool transportText;  // whether the client names the failure
    };
    // The HTTP client takes a reply cut after its status line as a whole
    // reply without a body: not accepted, and no text (as an empty reply).
    const Cut cuts[] = {
        {"reply cut in the body",
         "HTTP/1.1 200 OK\r\nContent-Type: application/json\r\nContent-Length: 200\r\n\r\n{\"OK\":true,\"Err", true},
        {"reply cut in the headers", "HTTP/1.1 200 OK\r\nContent-Le", false},
        {"reply cut in the status line", "HTTP/1.1 2", true},
        {"connection closed without a reply", "", true},
    };
    for (const Cut& cut : cuts) {
        SCOPED_TRACE(cut.name);
        RawReplyServer server(cut.bytes, 0);
        const bool accepted = LinkProbe(server.url()).postUtf8Document(u"sendOrder", "{\"n\":1}");
        printOutcome(cut.name, accepted);
        EXPECT_FALSE(accepted) << "a reply that never arrived whole is no acceptance";
        if (cut.transportText) {
            EXPECT_FALSE(lastError().empty());
        }
    }
}

TEST_F(ReliabilityFaults, TenMegabyteReplyIsReadWithBoundedMemory) {
    const std::size_t filler = std::size_t{10} << 20;
    const std::string firstLine = "{\"OK\":true,\"ErrorDescription\":\"first line\"}\n";
    const std::string head = "HTTP/1.1 200 OK\r\nContent-Type: application/json\r\nContent-Length: " +
                             std::to_string(firstLine.size() + filler) + "\r\n\r\n" + firstLine;
    // Warm-up, so that the library's first-use allocations are not counted.
    {
        RawReplyServer warm(head, filler);
        LinkProbe(warm.url()).postUtf8Document(u"sendOrder", "{}");
    }
    const long before = residentKilobytes();
    RawReplyServer server(head, filler);
    const bool accepted = LinkProbe(server.url()).postUtf8Document(u"sendOrder", "{}");
    const long growth = residentKilobytes() - before;
    printOutcome("10 MB reply", accepted);
    std::printf("FIGURE fault 10 MB reply resident growth: %ld KiB\n", growth);
    EXPECT_TRUE(accepted);
    EXPECT_EQ(lastError(), u"first line");
#ifndef VANTOREL_TEST_SANITIZED
    // Far below the reply's size: only a bounded prefix is kept.
    EXPECT_LT(growth, 8 * 1024);
#endif
}
#endif

// A server certificate that a trusted authority issued for another name.
TEST_F(ReliabilityFaults, CertificateForAnotherNameNeverGetsTheKey) {
    const auto folder = appData() / "other-name-tls";
    std::filesystem::create_directories(folder);
    const auto cert = folder / "cert.pem", key = folder / "key.pem";
    const std::string command =
        "openssl req -x509 -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes -days 2"
        " -subj /CN=other.invalid -addext subjectAltName=DNS:other.invalid"
        " -addext basicConstraints=critical,CA:TRUE -keyout '" + key.string() + "' -out '" + cert.string() +
        "' >/dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0) << "openssl could not make the certificate";

    vcom::sandbox::SandboxOptions options;
    options.https = true;
    options.certificateFile = cert.string();
    options.privateKeyFile = key.string();
    vcom::sandbox::RelaySandbox otherName(options);
    const vcom::testing::ScopedEnv url("VANTOREL_SERVICE_URL", otherName.baseUrl());
    const vcom::testing::ScopedEnv trust("VANTOREL_CA_BUNDLE", cert.string());
    const vcom::link::ScopedTimeoutOverride bounds(kShortBounds);

    EXPECT_EQ(SendInitialize_TS9("SECRET-API-KEY", 4, "9", 3, 2), 1);
    const bool accepted = LinkProbe(otherName.baseUrl()).postUtf8Document(u"sendOrder", "{\"KXAPIKey\":\"SECRET\"}");
    printOutcome("certificate for another name", accepted);
    EXPECT_FALSE(accepted);
    EXPECT_FALSE(lastError().empty());
    EXPECT_TRUE(otherName.received().empty()) << "the key reached a server that proved another name";
}

}  // namespace
