#pragma once
// A throw-away certificate authority and a server certificate it signed
// for localhost and 127.0.0.1, made once per test process with the openssl
// command line and removed when the process ends.

#include <filesystem>

namespace vcom::testing {

struct TestCertificates {
    std::filesystem::path caCertificate;      // PEM: the CA to trust
    std::filesystem::path serverCertificate;  // PEM
    std::filesystem::path serverPrivateKey;   // PEM
};

// Throws when the certificates cannot be made.
const TestCertificates& testCertificates();

}  // namespace vcom::testing
