#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>

#include "VantorelCom/VantorelComManager.h"
#include "VantorelCom2.h"
#include "link/service_url.h"
#include "manager/manager_internals.h"
#include "platform/platform.h"
#include "support/c_results.h"
#include "support/sandbox_test.h"
#include "support/scoped_env.h"
#include "text/utf.h"

namespace {

namespace fs = std::filesystem;
using VantorelCom::ManagerInternals;
using VantorelCom::VantorelComManager;
using vcom::sandbox::ScriptedReply;

std::string readBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// The bytes of `text` in UTF-16 after its byte-order mark.
std::string utf16WithMark(std::u16string_view text, bool bigEndian) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (char16_t c : text) {
        const char high = static_cast<char>(c >> 8), low = static_cast<char>(c & 0xFF);
        bytes += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    return bytes;
}

fs::path iniFile() { return fs::path(vcom::text::toUtf8(VantorelComManager::msIniFile)); }

// File-side tests: a fresh application-data folder, no service.
class ManagerFiles : public ::testing::Test {
protected:
    void SetUp() override { vcom::testing::resetLibraryState(); }
    void TearDown() override { vcom::testing::resetLibraryState(); }

    vcom::testing::TempAppData mAppData;
};

TEST_F(ManagerFiles, FolderAndFilePathPerSourceCode) {
    struct Case {
        std::int32_t source;
        const char* folderName;
    };
    const Case cases[] = {{2, "kxnt7"}, {3, "kxnt8"}, {4, "kxts9"}, {5, "kxmt4"}, {6, "kxmt5"}, {7, "kxts10"},
                          {99, ""},     {0, ""},      {1, ""},      {-1, ""},     {8, ""},      {INT32_MIN, ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.source);
        VantorelComManager::computeFilePath(c.source, false);
        const std::string sep = vcom::text::toUtf8(std::u16string(1, vcom::platform::os().pathSeparator()));
        const std::string folder = mAppData.path().string() + sep + "Vantorel" + sep + c.folderName;
        EXPECT_EQ(vcom::text::toUtf8(VantorelComManager::msFolder), folder);
        EXPECT_EQ(vcom::text::toUtf8(VantorelComManager::msIniFile), folder + sep + "VantorelConfig.ini");
        EXPECT_TRUE(fs::is_directory(folder));
    }
}

TEST_F(ManagerFiles, ConstructionMovesThePathOfEveryManager) {
    VantorelComManager ts9(4, u"9.5", 3);
    VantorelComManager mt5(6, false);  // moves the path for ts9 too
    EXPECT_EQ(iniFile(), mAppData.path() / "Vantorel/kxmt5/VantorelConfig.ini");
    ts9.msKXAPIKey = u"written-by-ts9";
    ts9.setLiteComDataToIniFile();
    EXPECT_TRUE(fs::exists(mAppData.path() / "Vantorel/kxmt5/VantorelConfig.ini"));
    EXPECT_FALSE(fs::exists(mAppData.path() / "Vantorel/kxts9/VantorelConfig.ini"));
}

TEST_F(ManagerFiles, InstanceIdIsTheGuidsLastGroup) {
    auto& id = ManagerInternals::instanceId();
    EXPECT_EQ(id, u"");
    VantorelComManager::computeFilePath(4, true);
    const std::u16string first = id;
    EXPECT_TRUE(std::regex_match(vcom::text::toUtf8(first), std::regex("[0-9a-f]{12}"))) << vcom::text::toUtf8(first);
    VantorelComManager::computeFilePath(4, false);
    VantorelComManager withoutId(7, u"10", 1);
    EXPECT_EQ(id, first);
    VantorelComManager withId(7, true);
    EXPECT_NE(id, first);
    EXPECT_EQ(id.size(), 12u);
}

TEST_F(ManagerFiles, FolderThatCannotBeCreatedKeepsTheEarlierFile) {
    VantorelComManager::computeFilePath(4, false);
    const std::u16string earlier = VantorelComManager::msIniFile;
    const fs::path blocker = mAppData.path() / "plain-file";
    writeBytes(blocker, "x");
    {
        vcom::testing::ScopedEnv below(vcom::testing::kAppDataVariable, (blocker / "below").string());
        VantorelComManager manager(7, u"10", 1);
        EXPECT_EQ(VantorelComManager::msIniFile, earlier);
        EXPECT_EQ(fs::path(vcom::text::toUtf8(VantorelComManager::msFolder)), blocker / "below" / "Vantorel" / "kxts10");
        manager.msKXAPIKey = u"kept";
        manager.setLiteComDataToIniFile();
    }
    EXPECT_EQ(readBytes(fs::path(vcom::text::toUtf8(earlier))),
              "KXAPIKey: kept\r\nDoNotShowDialogInitialization: no\r\n");
}

TEST_F(ManagerFiles, NoFolderEverReachedReadsAndWritesNothing) {
    const fs::path blocker = mAppData.path() / "plain-file";
    writeBytes(blocker, "x");
    vcom::testing::ScopedEnv below(vcom::testing::kAppDataVariable, (blocker / "below").string());
    VantorelComManager manager(4, u"9", 1);
    EXPECT_EQ(VantorelComManager::msIniFile, u"");
    manager.msKXAPIKey = u"k";
    manager.mbDoNotShowDialogInitialization = true;
    manager.setLiteComDataToIniFile();
    manager.getLiteComDataFromIniFile();
    EXPECT_EQ(manager.msKXAPIKey, u"");
    EXPECT_FALSE(manager.mbDoNotShowDialogInitialization);
    EXPECT_EQ(readBytes(blocker), "x");
}

TEST_F(ManagerFiles, DirectoryWhereTheFileShouldBe) {
    VantorelComManager manager(4, u"9", 1);
    fs::create_directory(iniFile());
    manager.msKXAPIKey = u"k";
    manager.mbDoNotShowDialogInitialization = true;
    manager.setLiteComDataToIniFile();
    manager.getLiteComDataFromIniFile();
    EXPECT_EQ(manager.msKXAPIKey, u"");
    EXPECT_FALSE(manager.mbDoNotShowDialogInitialization);
    EXPECT_TRUE(fs::is_directory(iniFile()));
}

TEST_F(ManagerFiles, NewFileHoldsExactlyTheTwoEntries) {
    VantorelComManager manager(4, u"9", 1);
    manager.msKXAPIKey = u"clé ";
    manager.setLiteComDataToIniFile();
    EXPECT_EQ(readBytes(iniFile()), "KXAPIKey: cl\xC3\xA9 \r\nDoNotShowDialogInitialization: no\r\n");
    manager.mbDoNotShowDialogInitialization = true;
    manager.setLiteComDataToIniFile();
    EXPECT_EQ(readBytes(iniFile()), "KXAPIKey: cl\xC3\xA9 \r\nDoNotShowDialogInitialization: yes\r\n");
    // The temporary file of the replacement is gone.
    EXPECT_EQ(std::distance(fs::directory_iterator(iniFile().parent_path()), fs::directory_iterator()), 1);

    VantorelComManager reader(4, false);
    reader.getComDataFromIniFile();
    EXPECT_EQ(reader.msKXAPIKey, u"clé ");
    EXPECT_TRUE(reader.mbDoNotShowDialogInitialization);
}

TEST_F(ManagerFiles, ByteOrderMarkPicksTheEncodingAndIsNotWrittenBack) {
    // Files without a mark are UTF-8; a line that is not stays as it was.
    struct Case {
        const char* name;
        std::string bytes;
        std::string afterWrite;  // key "new", flag false
    };
    const Case cases[] = {
        {"no mark", "# caf\xE9\r\nKXAPIKey: k\xC3\xA9y\r\n",
         "# caf\xE9\r\nKXAPIKey: new\r\nDoNotShowDialogInitialization: no\r\n"},
        {"UTF-8", "\xEF\xBB\xBFKXAPIKey: k\xC3\xA9y\r\nDoNotShowDialogInitialization: yes\r\n",
         "KXAPIKey: new\r\nDoNotShowDialogInitialization: no\r\n"},
        {"UTF-16 LE", utf16WithMark(u"KXAPIKey: kéy\r\n# €", false),
         "KXAPIKey: new\r\n# \xE2\x82\xAC\r\nDoNotShowDialogInitialization: no\r\n"},
        {"UTF-16 BE", utf16WithMark(u"DoNotShowDialogInitialization: No\nKXAPIKey: kéy", true),
         "DoNotShowDialogInitialization: no\nKXAPIKey: new"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        VantorelComManager manager(4, u"9", 1);
        writeBytes(iniFile(), c.bytes);
        manager.getLiteComDataFromIniFile();
        EXPECT_EQ(manager.msKXAPIKey, u"kéy");
        manager.msKXAPIKey = u"new";
        manager.mbDoNotShowDialogInitialization = false;
        manager.setLiteComDataToIniFile();
        EXPECT_EQ(readBytes(iniFile()), c.afterWrite);
    }
}

TEST_F(ManagerFiles, ReadResetsBeforeLoading) {
    VantorelComManager manager(5, u"4", 1);
    manager.msKXAPIKey = u"stale";
    manager.mbDoNotShowDialogInitialization = true;
    manager.getLiteComDataFromIniFile();  // no file yet
    EXPECT_EQ(manager.msKXAPIKey, u"");
    EXPECT_FALSE(manager.mbDoNotShowDialogInitialization);
}

TEST_F(ManagerFiles, InstanceCountHasNoLowerBound) {
    const bool claims[] = {true, true, false, false, false, true, true};
    const bool expected[] = {false, true, true, true, false, false, false};
    for (std::size_t i = 0; i < std::size(claims); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(VantorelComManager::vantorelInstanceExists(claims[i]), expected[i]);
    }
    EXPECT_EQ(ManagerInternals::instancesCount(), 1);
}

TEST_F(ManagerFiles, InstanceCountWrapsAtTheLimits) {
    ManagerInternals::instancesCount() = INT32_MAX;
    EXPECT_TRUE(VantorelComManager::vantorelInstanceExists(true));
    EXPECT_EQ(ManagerInternals::instancesCount(), INT32_MIN);
    EXPECT_FALSE(VantorelComManager::vantorelInstanceExists(false));
    EXPECT_EQ(ManagerInternals::instancesCount(), INT32_MAX);
}

TEST_F(ManagerFiles, InstanceCountThroughTheExport) {
    const VL_BOOL claims[] = {1, 1, 0, 0, 0, 1};
    const VL_BOOL expected[] = {0, 1, 1, 1, 0, 0};
    for (std::size_t i = 0; i < std::size(claims); ++i) EXPECT_EQ(VantorelInstanceExists(claims[i]), expected[i]) << i;
    EXPECT_EQ(ManagerInternals::instancesCount(), 0);
}

TEST(ManagerVersion, VersionFromAssemblyFullName) {
    struct Case {
        const char16_t* fullName;
        const char16_t* version;
    };
    const Case cases[] = {
        {u"VantorelCom2, Version=4.6.0.0, Culture=neutral, PublicKeyToken=null", u"4.6.0.0"},
        {u"Version=4.6.0.0, Culture=neutral", u""},
        {u"X, Version=1.2.3.4", u"1.2.3.4"},
        {u"X, Version=", u""},
        {u"X, Version=,", u""},
        {u"X, Version=1,Version=2", u"1"},
        {u"X, version=1.0, Culture=neutral", u""},
        {u"", u""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(VantorelComManager::getVersionFromAssemblyFullName(c.fullName), c.version)
            << vcom::text::toUtf8(c.fullName);
    }
}

// The physical address as the kernel shows it, for the interfaces that
// are up, without separators and in upper case.
std::vector<std::string> upInterfaceAddresses() {
    std::vector<std::string> addresses;
    for (const auto& entry : fs::directory_iterator("/sys/class/net")) {
        if (entry.path().filename() == "lo") continue;
        std::string state = readBytes(entry.path() / "operstate");
        std::string address = readBytes(entry.path() / "address");
        if (state.rfind("up", 0) != 0 && state.rfind("unknown", 0) != 0) continue;
        std::string hex;
        for (char ch : address) {
            if (std::isxdigit(static_cast<unsigned char>(ch))) hex.push_back(static_cast<char>(std::toupper(ch)));
        }
        if (!hex.empty() && hex.find_first_not_of('0') != std::string::npos) addresses.push_back(hex);
    }
    return addresses;
}

TEST_F(ManagerFiles, LocalAddressIsAnUpInterfacesPhysicalAddress) {
    VantorelComManager manager(4, u"9", 1);
    const std::string address = vcom::text::toUtf8(ManagerInternals::localIPAddress(manager));
    const auto candidates = upInterfaceAddresses();
    if (candidates.empty()) {
        EXPECT_EQ(address, "");
    } else {
        EXPECT_NE(std::find(candidates.begin(), candidates.end(), address), candidates.end()) << address;
    }
}

// Tests that post to the relay sandbox on loopback.
class ManagerMessages : public vcom::testing::SandboxTest {};

std::string header(VantorelComManager& m, const std::string& key, int source, const std::string& sourceVersion,
                   const std::string& vantorelVersion) {
    return "{\"KXAPIKey\":\"" + key + "\",\"Source\":" + std::to_string(source) + ",\"SourceVersion\":\"" +
           sourceVersion + "\",\"VantorelVersion\":\"" + vantorelVersion + "\",\"IPAddress\":\"" +
           vcom::text::toUtf8(ManagerInternals::localIPAddress(m)) + "\"";
}

TEST_F(ManagerMessages, InitializeAndDeinitializeDocuments) {
    VantorelComManager manager(7, u"10.0.1", 3);
    manager.msKXAPIKey = u"key-1";
    EXPECT_EQ(manager.SendInitialize(-2), 1);
    manager.SendDeinitialize();

    const auto received = sandbox().received();
    ASSERT_EQ(received.size(), 2u);
    const std::string start = header(manager, "key-1", 7, "10.0.1", "4.6.0.0");
    EXPECT_EQ(received[0].endpoint, "sendInitialize");
    EXPECT_EQ(received[0].body, start + ",\"IPAddressStatus\":-2}");
    EXPECT_EQ(received[0].contentType, "application/json");
    EXPECT_EQ(received[1].endpoint, "sendDeinitialize");
    EXPECT_EQ(received[1].body, start + "}");
}

TEST_F(ManagerMessages, FirstConstructorSendsEmptyVersions) {
    VantorelComManager manager(2, false);
    manager.SendDeinitialize();
    const auto received = sandbox().received();
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0].body, header(manager, "", 2, "", "") + "}");
}

TEST_F(ManagerMessages, InitializeReportsAnAddressConflictOnlyForStatusOne) {
    struct Case {
        const char* name;
        std::int32_t status;
        ScriptedReply reply;
        std::int32_t result;
    };
    const Case cases[] = {
        {"conflict, status 1", 1, ScriptedReply::refused("IP Address conflict"), -1},
        {"conflict, status 2", 2, ScriptedReply::refused("IP Address conflict"), 1},
        {"conflict in an accepted reply", 1, ScriptedReply::accepted("IP Address conflict"), -1},
        {"description with a period", 1, ScriptedReply::refused("IP Address conflict."), 1},
        {"other case", 1, ScriptedReply::refused("IP address conflict"), 1},
        {"server error", 1, ScriptedReply::httpStatus(500), 1},
    };
    VantorelComManager manager(4, u"9", 1);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        sandbox().script(c.reply);
        EXPECT_EQ(manager.SendInitialize(c.status), c.result);
    }
}

TEST_F(ManagerMessages, UnreachableServiceStillGivesOne) {
    // Nothing listens on port 1 of loopback: the connection is refused.
    vcom::testing::ScopedEnv closed(vcom::link::kServiceUrlVariable, std::string("http://127.0.0.1:1/"));
    VantorelComManager manager(4, u"9", 1);
    EXPECT_EQ(manager.SendInitialize(1), 1);
    EXPECT_NE(ManagerInternals::lastError(), u"");
}

TEST_F(ManagerMessages, InitializeExportWritesTheKeyAndReadInitialDataFindsIt) {
    EXPECT_EQ(SendInitialize_TS10("ts10-key", 7, "10.1", 2, 2), 1);
    ComputeFilePath(4);
    char* key = ReadInitialData_TS9(7);
    ASSERT_NE(key, nullptr);
    EXPECT_STREQ(key, "ts10-key");
    vcom::testing::freeResult(key);
    EXPECT_EQ(iniFile(), appData() / "Vantorel/kxts10/VantorelConfig.ini");

    char* none = ReadInitialData_TS9(4);
    ASSERT_NE(none, nullptr);
    EXPECT_STREQ(none, "");
    vcom::testing::freeResult(none);
}

}  // namespace
