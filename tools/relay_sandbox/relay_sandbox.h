#pragma once
// A local stand-in for the trade-relay service: a real HTTP or HTTPS
// server on loopback that accepts the four endpoints, records every
// document it receives, and answers with scripted replies.

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace vcom::sandbox {

struct ReceivedDocument {
    std::string endpoint;     // "sendOrder", ...
    std::string contentType;  // the request's Content-Type header
    std::string body;         // the request body as received (UTF-8)
};

struct ScriptedReply {
    int status = 200;
    std::string body = R"({"OK":true,"ErrorDescription":""})";
    bool neverAnswer = false;  // hold the request open until the client gives up
    std::string location;      // sent as the Location header when not empty

    static ScriptedReply accepted(const std::string& description = "");
    static ScriptedReply refused(const std::string& description = "");
    static ScriptedReply httpStatus(int status);
    static ScriptedReply noAnswer();
    static ScriptedReply redirect(int status, const std::string& location);
};

struct SandboxOptions {
    bool https = false;
    std::string certificateFile;  // PEM, for https
    std::string privateKeyFile;   // PEM, for https
    std::string recordFile;       // JSON Lines of received documents; "" for none
    bool echoToStdout = false;
    int port = 0;                 // 0 picks a free port
};

class RelaySandbox {
public:
    explicit RelaySandbox(SandboxOptions options = {});
    ~RelaySandbox();
    RelaySandbox(const RelaySandbox&) = delete;
    RelaySandbox& operator=(const RelaySandbox&) = delete;

    int port() const;
    // "http://127.0.0.1:PORT/" or "https://localhost:PORT/".
    std::string baseUrl() const;

    // Queues replies; each request takes the next one, then the default.
    void script(ScriptedReply reply);
    void setDefaultReply(ScriptedReply reply);

    std::vector<ReceivedDocument> received() const;
    void clearReceived();
    // TCP connections accepted since start.
    std::size_t connectionsAccepted() const;

    void stop();

private:
    struct Impl;
    std::unique_ptr<Impl> mImpl;
};

}  // namespace vcom::sandbox
