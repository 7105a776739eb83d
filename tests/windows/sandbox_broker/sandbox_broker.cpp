// vantorel-sandbox-broker: creates and drives relay sandboxes on request,
// over a small JSON control protocol on loopback, so that test programs
// that cannot link the sandbox get one of their own each.
//
//   POST /sandboxes                  -> {"id":N,"port":P}
//   POST /sandboxes/N/script         reply object -> {}
//   POST /sandboxes/N/default        reply object -> {}
//   GET  /sandboxes/N/received       -> [{"endpoint","contentType","body"}...]
//   POST /sandboxes/N/clear          -> {}
//   GET  /sandboxes/N/connections    -> {"count":C}
//   POST /sandboxes/N/stop           -> {}
// A reply object is {"status","body","neverAnswer","location"}.
//
// Usage: vantorel-sandbox-broker --port P [--port-file FILE]; stops on
// SIGINT or SIGTERM.

#include <httplib.h>

#include <csignal>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <memory>
#include <mutex>
#include <nlohmann/json.hpp>
#include <string>
#include <thread>

#include "relay_sandbox.h"

namespace {

using vcom::sandbox::RelaySandbox;
using vcom::sandbox::ScriptedReply;

class Broker {
public:
    void routes(httplib::Server& server) {
        server.Post("/sandboxes", [this](const httplib::Request&, httplib::Response& r) { create(r); });
        server.Post(R"(/sandboxes/(\d+)/(script|default|clear|stop))",
                    [this](const httplib::Request& q, httplib::Response& r) { command(q, r); });
        server.Get(R"(/sandboxes/(\d+)/(received|connections))",
                   [this](const httplib::Request& q, httplib::Response& r) { query(q, r); });
    }

    void stopAll() {
        std::lock_guard lock(mMutex);
        mSandboxes.clear();
    }

private:
    static void reply(httplib::Response& r, const nlohmann::json& value) {
        r.set_content(value.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace), "application/json");
    }

    static bool parseReply(const std::string& text, ScriptedReply& out) {
        const auto parsed = nlohmann::json::parse(text, nullptr, false);
        if (!parsed.is_object()) return false;
        out.status = parsed.value("status", out.status);
        out.body = parsed.value("body", out.body);
        out.neverAnswer = parsed.value("neverAnswer", out.neverAnswer);
        out.location = parsed.value("location", out.location);
        return true;
    }

    std::shared_ptr<RelaySandbox> find(const httplib::Request& q) {
        std::lock_guard lock(mMutex);
        auto it = mSandboxes.find(std::stoi(q.matches[1].str()));
        return it == mSandboxes.end() ? nullptr : it->second;
    }

    void create(httplib::Response& r) {
        auto sandbox = std::make_shared<RelaySandbox>();
        int id = 0;
        {
            std::lock_guard lock(mMutex);
            id = ++mNextId;
            mSandboxes[id] = sandbox;
        }
        reply(r, {{"id", id}, {"port", sandbox->port()}});
    }

    void command(const httplib::Request& q, httplib::Response& r) {
        const std::string verb = q.matches[2].str();
        std::shared_ptr<RelaySandbox> sandbox = find(q);
        if (!sandbox) {
            r.status = 404;
            return;
        }
        if (verb == "script" || verb == "default") {
            ScriptedReply scripted;
            if (!parseReply(q.body, scripted)) {
                r.status = 400;
                return;
            }
            if (verb == "script") {
                sandbox->script(std::move(scripted));
            } else {
                sandbox->setDefaultReply(std::move(scripted));
            }
        } else if (verb == "clear") {
            sandbox->clearReceived();
        } else {
            // Stopping waits until idle keep-alive connections (which the
            // client's pooled session holds) time out: answer at once and
            // stop in the background.
            {
                std::lock_guard lock(mMutex);
                mSandboxes.erase(std::stoi(q.matches[1].str()));
            }
            std::thread([sandbox] { sandbox->stop(); }).detach();
        }
        reply(r, nlohmann::json::object());
    }

    void query(const httplib::Request& q, httplib::Response& r) {
        std::shared_ptr<RelaySandbox> sandbox = find(q);
        if (!sandbox) {
            r.status = 404;
            return;
        }
        if (q.matches[2].str() == "connections") {
            reply(r, {{"count", sandbox->connectionsAccepted()}});
            return;
        }
        nlohmann::json documents = nlohmann::json::array();
        for (const auto& d : sandbox->received())
            documents.push_back({{"endpoint", d.endpoint}, {"contentType", d.contentType}, {"body", d.body}});
        reply(r, documents);
    }

    std::mutex mMutex;
    int mNextId = 0;
    std::map<int, std::shared_ptr<RelaySandbox>> mSandboxes;
};

}  // namespace

int main(int argc, char** argv) {
    int port = 0;
    std::string portFile;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string arg = argv[i];
        if (arg == "--port") {
            port = std::atoi(argv[i + 1]);
        } else if (arg == "--port-file") {
            portFile = argv[i + 1];
        } else {
            std::cerr << "usage: vantorel-sandbox-broker --port P [--port-file FILE]\n";
            return 2;
        }
    }
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    Broker broker;
    httplib::Server server;
    broker.routes(server);
    const int bound = port == 0 ? server.bind_to_any_port("127.0.0.1") : (server.bind_to_port("127.0.0.1", port) ? port : -1);
    if (bound <= 0) {
        std::cerr << "vantorel-sandbox-broker: cannot listen on 127.0.0.1:" << port << '\n';
        return 1;
    }
    std::thread listener([&] { server.listen_after_bind(); });
    if (!portFile.empty()) std::ofstream(portFile) << bound << '\n';
    std::cout << "listening " << bound << std::endl;
    int received = 0;
    sigwait(&stopSignals, &received);
    broker.stopAll();
    server.stop();
    listener.join();
    return 0;
}
