// The relay sandbox for Windows test programs. The sandbox itself needs
// OpenSSL and runs natively; under Wine each RelaySandbox asks the native
// broker (tests/windows/sandbox_broker) on loopback for a sandbox of its
// own and forwards every call to it, so tests stay unchanged. The broker's
// port is read from the file that VANTOREL_SANDBOX_BROKER_PORT_FILE names.
#include <windows.h>
#include <winhttp.h>

#include <cstdlib>
#include <fstream>
#include <nlohmann/json.hpp>
#include <stdexcept>
#include <string>

#include "relay_sandbox.h"

namespace vcom::sandbox {

namespace {

constexpr const char* kBrokerVariable = "VANTOREL_SANDBOX_BROKER_PORT_FILE";

class Handle {
public:
    explicit Handle(HINTERNET h) : mHandle(h) {}
    ~Handle() {
        if (mHandle) WinHttpCloseHandle(mHandle);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HINTERNET get() const { return mHandle; }

private:
    HINTERNET mHandle;
};

[[noreturn]] void fail(const std::string& what) {
    throw std::runtime_error("relay sandbox broker: " + what + " (error " + std::to_string(GetLastError()) + ")");
}

struct BrokerAddress {
    std::wstring host;
    INTERNET_PORT port = 0;
};

BrokerAddress brokerAddress() {
    const char* file = std::getenv(kBrokerVariable);
    if (!file || !*file) throw std::runtime_error(std::string(kBrokerVariable) + " is not set");
    std::ifstream in(file);
    int port = 0;
    if (!(in >> port) || port <= 0 || port > 65535)
        throw std::runtime_error(std::string("no broker port in ") + file + " (is the broker running?)");
    return {L"127.0.0.1", static_cast<INTERNET_PORT>(port)};
}

// One request to the broker; its JSON answer.
nlohmann::json call(const wchar_t* method, const std::string& path, const std::string& body = "{}") {
    static const BrokerAddress broker = brokerAddress();
    Handle session(WinHttpOpen(L"vantorel-sandbox-client", WINHTTP_ACCESS_TYPE_NO_PROXY, WINHTTP_NO_PROXY_NAME,
                               WINHTTP_NO_PROXY_BYPASS, 0));
    if (!session.get()) fail("WinHttpOpen");
    Handle connection(WinHttpConnect(session.get(), broker.host.c_str(), broker.port, 0));
    if (!connection.get()) fail("WinHttpConnect");
    const std::wstring widePath(path.begin(), path.end());
    Handle request(WinHttpOpenRequest(connection.get(), method, widePath.c_str(), nullptr, WINHTTP_NO_REFERER,
                                      WINHTTP_DEFAULT_ACCEPT_TYPES, 0));
    if (!request.get()) fail("WinHttpOpenRequest");
    const wchar_t* header = L"Content-Type: application/json";
    const DWORD length = static_cast<DWORD>(body.size());
    if (!WinHttpSendRequest(request.get(), header, static_cast<DWORD>(-1L), const_cast<char*>(body.data()), length,
                            length, 0) ||
        !WinHttpReceiveResponse(request.get(), nullptr))
        fail("request " + path);
    DWORD status = 0;
    DWORD size = sizeof status;
    WinHttpQueryHeaders(request.get(), WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                        WINHTTP_HEADER_NAME_BY_INDEX, &status, &size, WINHTTP_NO_HEADER_INDEX);
    std::string answer;
    char buffer[8192];
    DWORD read = 0;
    while (WinHttpReadData(request.get(), buffer, sizeof buffer, &read) && read > 0) answer.append(buffer, read);
    if (status != 200) throw std::runtime_error("relay sandbox broker: " + path + " answered " + std::to_string(status));
    return nlohmann::json::parse(answer);
}

std::string replyJson(const ScriptedReply& reply) {
    return nlohmann::json{{"status", reply.status},
                          {"body", reply.body},
                          {"neverAnswer", reply.neverAnswer},
                          {"location", reply.location}}
        .dump();
}

}  // namespace

struct RelaySandbox::Impl {
    int id = 0;
    int port = 0;
    bool stopped = false;
    std::string prefix() const { return "/sandboxes/" + std::to_string(id) + "/"; }
};

RelaySandbox::RelaySandbox(SandboxOptions options) : mImpl(std::make_unique<Impl>()) {
    if (options.https) throw std::runtime_error("relay sandbox: HTTPS is not available to Windows test programs");
    const nlohmann::json created = call(L"POST", "/sandboxes");
    mImpl->id = created.at("id").get<int>();
    mImpl->port = created.at("port").get<int>();
}

RelaySandbox::~RelaySandbox() {
    try {
        stop();
    } catch (...) {
    }
}

int RelaySandbox::port() const { return mImpl->port; }

std::string RelaySandbox::baseUrl() const { return "http://127.0.0.1:" + std::to_string(mImpl->port) + "/"; }

void RelaySandbox::script(ScriptedReply reply) { call(L"POST", mImpl->prefix() + "script", replyJson(reply)); }

void RelaySandbox::setDefaultReply(ScriptedReply reply) {
    call(L"POST", mImpl->prefix() + "default", replyJson(reply));
}

std::vector<ReceivedDocument> RelaySandbox::received() const {
    std::vector<ReceivedDocument> documents;
    for (const auto& d : call(L"GET", mImpl->prefix() + "received", ""))
        documents.push_back({d.at("endpoint").get<std::string>(), d.at("contentType").get<std::string>(),
                             d.at("body").get<std::string>()});
    return documents;
}

void RelaySandbox::clearReceived() { call(L"POST", mImpl->prefix() + "clear"); }

std::size_t RelaySandbox::connectionsAccepted() const {
    return call(L"GET", mImpl->prefix() + "connections", "").at("count").get<std::size_t>();
}

void RelaySandbox::stop() {
    if (mImpl->stopped) return;
    mImpl->stopped = true;
    call(L"POST", mImpl->prefix() + "stop");
}

}  // namespace vcom::sandbox
