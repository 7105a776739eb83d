#include "support/test_certificates.h"

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <mutex>
#include <stdexcept>
#include <string>

namespace vcom::testing {

namespace {

void run(const std::string& command) {
    if (std::system((command + " >/dev/null 2>&1").c_str()) != 0)
        throw std::runtime_error("test certificates: failed: " + command);
}

std::string quoted(const std::filesystem::path& p) { return "'" + p.string() + "'"; }

struct CertificateFolder {
    std::filesystem::path folder;
    TestCertificates files;

    CertificateFolder() {
        folder = std::filesystem::temp_directory_path() /
                 ("vantorel-test-certs-" + std::to_string(::getpid()));
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        files.caCertificate = folder / "ca.pem";
        files.serverCertificate = folder / "server.pem";
        files.serverPrivateKey = folder / "server.key";
        const auto caKey = folder / "ca.key";
        const auto request = folder / "server.csr";
        const auto extensions = folder / "server.ext";
        std::ofstream(extensions) << "subjectAltName=DNS:localhost,IP:127.0.0.1\n"
                                     "basicConstraints=CA:FALSE\n"
                                     "keyUsage=digitalSignature,keyEncipherment\n"
                                     "extendedKeyUsage=serverAuth\n";
        const std::string ecKey = " -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes";
        run("openssl req -x509" + ecKey + " -days 2 -subj '/CN=Vantorel Test CA'" +
            " -addext basicConstraints=critical,CA:TRUE -addext keyUsage=critical,keyCertSign,cRLSign" +
            " -keyout " + quoted(caKey) + " -out " + quoted(files.caCertificate));
        run("openssl req" + ecKey + " -subj /CN=localhost -keyout " + quoted(files.serverPrivateKey) +
            " -out " + quoted(request));
        run("openssl x509 -req -days 2 -in " + quoted(request) + " -CA " + quoted(files.caCertificate) +
            " -CAkey " + quoted(caKey) + " -CAcreateserial -extfile " + quoted(extensions) + " -out " +
            quoted(files.serverCertificate));
    }
    ~CertificateFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
};

}  // namespace

const TestCertificates& testCertificates() {
    static CertificateFolder made;
    return made.files;
}

}  // namespace vcom::testing
