#pragma once
// The fixture of tests that go through real sockets: a relay sandbox on
// loopback, the library pointed at it, a fresh temporary application-data
// folder, and the library's process-wide state reset before each test.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "relay_sandbox.h"
#include "support/scoped_env.h"

namespace vcom::testing {

// The environment variable that moves the roaming application-data folder.
#ifdef _WIN32
inline constexpr const char* kAppDataVariable = "VANTOREL_APPDATA_DIR";  // the Windows layer's test override
#else
inline constexpr const char* kAppDataVariable = "XDG_CONFIG_HOME";
#endif

// Resets every process-wide state of the library (current manager,
// registry, monitor, stop flag, instance count, configuration path, last
// error) to its value at load.
void resetLibraryState();

// A fresh temporary folder that stands in for the roaming application-data
// folder while it lives.
class TempAppData {
public:
    TempAppData();
    ~TempAppData();
    const std::filesystem::path& path() const { return mPath; }

private:
    std::filesystem::path mPath;
    std::string mPrevious;
    bool mHadPrevious = false;
};

class SandboxTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the sandbox over HTTPS instead (with a test certificate the
    // library is told to trust); call at the start of a test.
    void useHttps();
    // The CA that signed the HTTPS sandbox's certificate (after useHttps).
    static std::filesystem::path testCaBundle();

    sandbox::RelaySandbox& sandbox() { return *mSandbox; }
    const std::filesystem::path& appData() const { return mAppData->path(); }

private:
    void pointLibraryAt(const sandbox::RelaySandbox& sandbox);

    std::unique_ptr<TempAppData> mAppData;
    std::unique_ptr<sandbox::RelaySandbox> mSandbox;
    std::unique_ptr<ScopedEnv> mServiceUrl;
    std::unique_ptr<ScopedEnv> mCaBundle;
};

}  // namespace vcom::testing
