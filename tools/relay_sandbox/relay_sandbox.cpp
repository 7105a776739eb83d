#include "relay_sandbox.h"

#include <httplib.h>

#include <atomic>
#include <condition_variable>
#include <csignal>
#include <deque>
#include <fstream>
#include <iostream>
#include <mutex>
#include <nlohmann/json.hpp>
#include <stdexcept>
#include <thread>

#include "peer_watch.h"

namespace vcom::sandbox {

namespace {

constexpr const char* kLoopback = "127.0.0.1";
constexpr const char* kEndpointPattern = "/(sendInitialize|sendDeinitialize|sendOrder|sendPosition)";
constexpr auto kHeldRequestPoll = std::chrono::milliseconds(20);
constexpr std::size_t kWorkerThreads = 8;

// Counts every accepted TCP connection: the server hands each one to the
// queue exactly once.
class CountingQueue : public httplib::TaskQueue {
public:
    explicit CountingQueue(std::atomic<std::size_t>& counter) : mCounter(counter), mPool(kWorkerThreads) {}
    void enqueue(std::function<void()> fn) override {
        ++mCounter;
        mPool.enqueue(std::move(fn));
    }
    void shutdown() override { mPool.shutdown(); }

private:
    std::atomic<std::size_t>& mCounter;
    httplib::ThreadPool mPool;
};

std::string jsonLine(const ReceivedDocument& document) {
    nlohmann::json line = {
        {"endpoint", document.endpoint}, {"contentType", document.contentType}, {"body", document.body}};
    return line.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

}  // namespace

struct RelaySandbox::Impl {
    SandboxOptions options;
    std::unique_ptr<httplib::Server> server;
    std::thread listener;
    int port = 0;
    std::atomic<std::size_t> connections{0};
    std::atomic<bool> listenerDone{false};

    mutable std::mutex mutex;
    std::condition_variable released;
    bool stopping = false;
    std::deque<ScriptedReply> queue;
    ScriptedReply defaultReply;
    std::vector<ReceivedDocument> documents;

    explicit Impl(SandboxOptions o) : options(std::move(o)) {}

    void record(ReceivedDocument document) {
        std::lock_guard lock(mutex);
        if (!options.recordFile.empty()) {
            std::ofstream out(options.recordFile, std::ios::app | std::ios::binary);
            out << jsonLine(document) << '\n';
        }
        if (options.echoToStdout) std::cout << document.endpoint << ' ' << document.body << std::endl;
        documents.push_back(std::move(document));
    }

    ScriptedReply nextReply() {
        std::lock_guard lock(mutex);
        if (queue.empty()) return defaultReply;
        ScriptedReply r = std::move(queue.front());
        queue.pop_front();
        return r;
    }

    // Holds a request until the client goes away or the sandbox stops.
    void hold(const httplib::Request& request) {
        const int socket = findConnectedSocket(request.local_port, request.remote_port);
        std::unique_lock lock(mutex);
        while (!stopping) {
            released.wait_for(lock, kHeldRequestPoll);
            if (socket >= 0 && peerHasClosed(socket)) break;
        }
    }

    void onDocument(const httplib::Request& request, httplib::Response& response) {
        record({request.matches[1].str(), request.get_header_value("Content-Type"), request.body});
        const ScriptedReply reply = nextReply();
        if (reply.neverAnswer) {
            hold(request);
            response.status = 503;
            return;
        }
        response.status = reply.status;
        if (!reply.location.empty()) response.set_header("Location", reply.location);
        response.set_content(reply.body, "application/json");
    }

    void onScript(const httplib::Request& request, httplib::Response& response) {
        const auto parsed = nlohmann::json::parse(request.body, nullptr, false);
        if (!parsed.is_object()) {
            response.status = 400;
            response.set_content("expected a JSON object", "text/plain");
            return;
        }
        ScriptedReply reply;
        reply.status = parsed.value("status", reply.status);
        reply.body = parsed.value("body", reply.body);
        reply.neverAnswer = parsed.value("neverAnswer", reply.neverAnswer);
        reply.location = parsed.value("location", reply.location);
        {
            std::lock_guard lock(mutex);
            queue.push_back(std::move(reply));
        }
        response.set_content("{}", "application/json");
    }

    void onReceived(httplib::Response& response) {
        std::string lines;
        {
            std::lock_guard lock(mutex);
            for (const auto& d : documents) lines += jsonLine(d) + '\n';
        }
        response.set_content(lines, "application/x-ndjson");
    }

    void onReset(httplib::Response& response) {
        {
            std::lock_guard lock(mutex);
            documents.clear();
            queue.clear();
        }
        response.set_content("{}", "application/json");
    }

    void start() {
        // A client that gives up must not kill the process hosting us.
        std::signal(SIGPIPE, SIG_IGN);
        if (options.https) {
            server = std::make_unique<httplib::SSLServer>(options.certificateFile.c_str(),
                                                          options.privateKeyFile.c_str());
        } else {
            server = std::make_unique<httplib::Server>();
        }
        if (!server->is_valid()) throw std::runtime_error("relay sandbox: cannot use the certificate or key");
        // Without it each reply waits on the peer's delayed acknowledgement.
        server->set_tcp_nodelay(true);
        server->new_task_queue = [this] { return new CountingQueue(connections); };
        server->Post(kEndpointPattern, [this](const httplib::Request& q, httplib::Response& r) { onDocument(q, r); });
        server->Post("/_sandbox/script", [this](const httplib::Request& q, httplib::Response& r) { onScript(q, r); });
        server->Get("/_sandbox/received", [this](const httplib::Request&, httplib::Response& r) { onReceived(r); });
        server->Post("/_sandbox/reset", [this](const httplib::Request&, httplib::Response& r) { onReset(r); });

        if (options.port == 0) {
            port = server->bind_to_any_port(kLoopback);
        } else if (server->bind_to_port(kLoopback, options.port)) {
            port = options.port;
        } else {
            port = -1;
        }
        if (port <= 0) throw std::runtime_error("relay sandbox: cannot listen on 127.0.0.1");
        listener = std::thread([this] {
            server->listen_after_bind();
            listenerDone = true;
        });
        // The server ignores a stop that comes before its accept loop runs,
        // so the sandbox is ready only once the loop is.
        while (!server->is_running() && !listenerDone) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }

    void stop() {
        {
            std::lock_guard lock(mutex);
            if (stopping) return;
            stopping = true;
        }
        released.notify_all();
        if (server) server->stop();
        shutDownConnectionsOn(port);
        if (listener.joinable()) listener.join();
    }
};

RelaySandbox::RelaySandbox(SandboxOptions options) : mImpl(std::make_unique<Impl>(std::move(options))) {
    mImpl->start();
}

RelaySandbox::~RelaySandbox() { stop(); }

int RelaySandbox::port() const { return mImpl->port; }

std::string RelaySandbox::baseUrl() const {
    const std::string scheme = mImpl->options.https ? "https://localhost:" : "http://127.0.0.1:";
    return scheme + std::to_string(mImpl->port) + "/";
}

void RelaySandbox::script(ScriptedReply reply) {
    std::lock_guard lock(mImpl->mutex);
    mImpl->queue.push_back(std::move(reply));
}

void RelaySandbox::setDefaultReply(ScriptedReply reply) {
    std::lock_guard lock(mImpl->mutex);
    mImpl->defaultReply = std::move(reply);
}

std::vector<ReceivedDocument> RelaySandbox::received() const {
    std::lock_guard lock(mImpl->mutex);
    return mImpl->documents;
}

void RelaySandbox::clearReceived() {
    std::lock_guard lock(mImpl->mutex);
    mImpl->documents.clear();
}

std::size_t RelaySandbox::connectionsAccepted() const { return mImpl->connections.load(); }

void RelaySandbox::stop() { mImpl->stop(); }

}  // namespace vcom::sandbox
