// vantorel-relay-sandbox: the relay sandbox as a process of its own, for
// demos and scripted runs. Stops on SIGINT or SIGTERM.

#include <csignal>
#include <cstdlib>
#include <iostream>
#include <string>

#include "relay_sandbox.h"

namespace {

void usage() {
    std::cerr << "usage: vantorel-relay-sandbox [--port N] [--https --cert FILE --key FILE]\n"
                 "                              [--record FILE.jsonl] [--print]\n";
}

bool parse(int argc, char** argv, vcom::sandbox::SandboxOptions& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--port" && hasValue) {
            options.port = std::atoi(argv[++i]);
        } else if (arg == "--https") {
            options.https = true;
        } else if (arg == "--cert" && hasValue) {
            options.certificateFile = argv[++i];
        } else if (arg == "--key" && hasValue) {
            options.privateKeyFile = argv[++i];
        } else if (arg == "--record" && hasValue) {
            options.recordFile = argv[++i];
        } else if (arg == "--print") {
            options.echoToStdout = true;
        } else {
            return false;
        }
    }
    return !options.https || (!options.certificateFile.empty() && !options.privateKeyFile.empty());
}

}  // namespace

int main(int argc, char** argv) {
    vcom::sandbox::SandboxOptions options;
    if (!parse(argc, argv, options)) {
        usage();
        return 2;
    }
    // Block the stop signals before any thread starts, so that only
    // sigwait below receives them.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
    try {
        vcom::sandbox::RelaySandbox sandbox(options);
        std::cout << "listening " << sandbox.baseUrl() << std::endl;
        int received = 0;
        sigwait(&stopSignals, &received);
        sandbox.stop();
    } catch (const std::exception& e) {
        std::cerr << e.what() << '\n';
        return 1;
    }
    return 0;
}
