#include "support/sandbox_test.h"

#include <unistd.h>

#include <atomic>
#include <cstdlib>

#include "VantorelCom/VantorelCom2Manager.h"
#include "exports/VantorelCom2Statics.h"
#include "link/service_url.h"
#include "manager/manager_internals.h"
#include "support/test_certificates.h"

namespace vcom::testing {

namespace {

constexpr const char* kCaBundleVariable = "VANTOREL_CA_BUNDLE";

std::filesystem::path freshTempFolder() {
    static std::atomic<int> counter{0};
    auto path = std::filesystem::temp_directory_path() /
                ("vantorel-appdata-" + std::to_string(::getpid()) + "-" + std::to_string(++counter));
    std::filesystem::remove_all(path);
    std::filesystem::create_directories(path);
    return path;
}

}  // namespace

void resetLibraryState() {
    using namespace VantorelCom;
    VantorelCom2Manager::mpManager.reset();
    VantorelCom2::clearCacheData();
    VantorelCom2::mbStopVantorel = false;
    ManagerInternals::instancesCount() = 0;
    VantorelComManager::msFolder.clear();
    VantorelComManager::msIniFile.clear();
    ManagerInternals::instanceId().clear();
    ManagerInternals::lastError().clear();
}

TempAppData::TempAppData() : mPath(freshTempFolder()) {
    if (const char* previous = std::getenv(kAppDataVariable)) {
        mPrevious = previous;
        mHadPrevious = true;
    }
    ::setenv(kAppDataVariable, mPath.string().c_str(), 1);
}

TempAppData::~TempAppData() {
    if (mHadPrevious) {
        ::setenv(kAppDataVariable, mPrevious.c_str(), 1);
    } else {
        ::unsetenv(kAppDataVariable);
    }
    std::error_code ignored;
    std::filesystem::remove_all(mPath, ignored);
}

void SandboxTest::SetUp() {
    resetLibraryState();
    mAppData = std::make_unique<TempAppData>();
    mSandbox = std::make_unique<sandbox::RelaySandbox>();
    pointLibraryAt(*mSandbox);
}

void SandboxTest::TearDown() {
    // The manager must not outlive the sandbox it talks to, nor leak into
    // the next test.
    resetLibraryState();
    if (mSandbox) mSandbox->stop();
    mSandbox.reset();
    mCaBundle.reset();
    mServiceUrl.reset();
    mAppData.reset();
}

void SandboxTest::useHttps() {
    const TestCertificates& certificates = testCertificates();
    mSandbox.reset();
    sandbox::SandboxOptions options;
    options.https = true;
    options.certificateFile = certificates.serverCertificate.string();
    options.privateKeyFile = certificates.serverPrivateKey.string();
    mSandbox = std::make_unique<sandbox::RelaySandbox>(options);
    pointLibraryAt(*mSandbox);
    mCaBundle.reset();
    mCaBundle = std::make_unique<ScopedEnv>(kCaBundleVariable, certificates.caCertificate.string());
}

std::filesystem::path SandboxTest::testCaBundle() { return testCertificates().caCertificate; }

void SandboxTest::pointLibraryAt(const sandbox::RelaySandbox& sandbox) {
    mServiceUrl.reset();
    mServiceUrl = std::make_unique<ScopedEnv>(link::kServiceUrlVariable, sandbox.baseUrl());
}

}  // namespace vcom::testing
