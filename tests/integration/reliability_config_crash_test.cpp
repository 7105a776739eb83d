// The configuration file under crashes and hostile file systems: a writer
// killed at random moments, a read-only file or folder, a directory in the
// file's place. The user's key must never be lost or half written.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <string>
#include <thread>

#include "VantorelCom/VantorelComManager.h"
#include "support/sandbox_test.h"
#include "text/utf.h"

namespace {

#ifdef _WIN32
TEST(ReliabilityConfigCrash, NeedsPosixProcesses) { GTEST_SKIP() << "fork and SIGKILL are POSIX"; }
#else

namespace fs = std::filesystem;
using VantorelCom::VantorelComManager;

constexpr std::int32_t kTs9 = 4;
constexpr int kKills = 200;
constexpr auto kKillBudget = std::chrono::seconds(60);

std::string readBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

fs::path iniFile() { return fs::path(vcom::text::toUtf8(VantorelComManager::msIniFile)); }

// A long key and a short one, so that a torn or truncated write shows.
const std::u16string kKeyA(64 * 1024, u'a');
const std::u16string kKeyB = u"bbbb";

void store(const std::u16string& key, bool flag) {
    VantorelComManager manager(kTs9, false);
    manager.msKXAPIKey = key;
    manager.mbDoNotShowDialogInitialization = flag;
    manager.setLiteComDataToIniFile();
}

// Runs `body` in a child process, as an unprivileged user when the tests
// run as root (root ignores file permissions); its exit status, or -1 when
// it died of a signal.
int runInChild(const std::function<void()>& body, bool unprivileged) {
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (unprivileged && ::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(3);
        try {
            body();
        } catch (...) {
            ::_exit(2);
        }
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class ReliabilityConfigCrash : public ::testing::Test {
protected:
    void SetUp() override { vcom::testing::resetLibraryState(); }
    void TearDown() override {
        std::error_code ignored;
        fs::permissions(iniFile().parent_path(), fs::perms::owner_all | fs::perms::group_all | fs::perms::others_all,
                        ignored);
        vcom::testing::resetLibraryState();
    }

    vcom::testing::TempAppData mAppData;
};

TEST_F(ReliabilityConfigCrash, WriterKilledAtRandomMomentsLeavesOldOrNewFile) {
    // The user's own line must survive every write.
    store(kKeyA, false);
    const fs::path file = iniFile();
    {
        std::ofstream(file, std::ios::binary | std::ios::app) << "# my note\r\n";
    }
    store(kKeyB, true);
    const std::string contentB = readBytes(file);
    store(kKeyA, false);
    const std::string contentA = readBytes(file);
    ASSERT_NE(contentA.find("# my note\r\n"), std::string::npos);

    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> delayMicros(0, 40000);
    int kills = 0, lost = 0, sawA = 0, sawB = 0;
    const auto start = std::chrono::steady_clock::now();
    while (kills < kKills && std::chrono::steady_clock::now() - start < kKillBudget) {
        // The child says when its first write is done, so that the kill
        // lands in the middle of its writing, not in its start-up.
        int ready[2];
        ASSERT_EQ(::pipe(ready), 0);
        std::fflush(nullptr);
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            ::close(ready[0]);
            store(kKeyB, true);
            const char one = 1;
            if (::write(ready[1], &one, 1) != 1) ::_exit(4);
            for (bool b = false;; b = !b) store(b ? kKeyB : kKeyA, b);
        }
        ::close(ready[1]);
        char one = 0;
        const bool childWrote = ::read(ready[0], &one, 1) == 1;
        ::close(ready[0]);
        EXPECT_TRUE(childWrote);
        std::this_thread::sleep_for(std::chrono::microseconds(delayMicros(random)));
        ::kill(pid, SIGKILL);
        int status = 0;
        ::waitpid(pid, &status, 0);
        ++kills;
        const std::string now = readBytes(file);
        if (now == contentA) {
            ++sawA;
        } else if (now == contentB) {
            ++sawB;
        } else {
            ++lost;
            ADD_FAILURE() << "kill " << kills << ": file of " << now.size() << " bytes is neither old nor new";
        }
    }
    int leftovers = 0;
    for (const auto& entry : fs::directory_iterator(file.parent_path()))
        if (entry.path() != file) ++leftovers;

    std::printf("FIGURE config_kills_survived: %d\n", kills - lost);
    std::printf("FIGURE config_files_lost: %d\n", lost);
    std::printf("FIGURE config_kills_seen_old_new: %d / %d\n", sawA, sawB);
    std::printf("FIGURE config_temp_files_left_by_kills: %d\n", leftovers);
    EXPECT_GE(kills, 50) << "too few kills within the time budget to show anything";
    EXPECT_EQ(lost, 0);
    EXPECT_GT(sawA + sawB, 0);

    // A fresh reader still finds a whole entry.
    VantorelComManager reader(kTs9, false);
    reader.getLiteComDataFromIniFile();
    EXPECT_TRUE(reader.msKXAPIKey == kKeyA || reader.msKXAPIKey == kKeyB);
}

// A file system that refuses the write: the host's call returns normally
// and the file keeps what it had.
struct HostileFolderCase {
    const char* name;
    std::function<void(const fs::path& file)> arrange;
    bool expectOldContent;  // false: POSIX rename replaces a read-only file in a writable folder
};

TEST_F(ReliabilityConfigCrash, WriteRefusedByTheFileSystemKeepsTheOldFile) {
    const HostileFolderCase cases[] = {
        {"folder read-only (0555)",
         [](const fs::path& file) { ::chmod(file.parent_path().c_str(), 0555); }, true},
        {"file and folder read-only",
         [](const fs::path& file) {
             ::chmod(file.c_str(), 0444);
             ::chmod(file.parent_path().c_str(), 0555);
         },
         true},
        {"file read-only (0444), folder writable",
         [](const fs::path& file) {
             ::chmod(file.c_str(), 0444);
             ::chmod(file.parent_path().c_str(), 0777);
         },
         false},
    };
    store(u"old-key", false);
    const fs::path file = iniFile();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ::chmod(file.parent_path().c_str(), 0755);
        ::chmod(file.c_str(), 0644);
        store(u"old-key", false);
        const std::string before = readBytes(file);
        c.arrange(file);

        const int exit = runInChild([] { store(u"new-key", true); }, true);
        EXPECT_EQ(exit, 0) << "the write must return to its host normally";

        const std::string after = readBytes(file);
        std::printf("FIGURE config_%s: %s\n", c.name,
                    after == before ? "write refused, old content kept" : "file replaced by the new content");
        if (c.expectOldContent) {
            EXPECT_EQ(after, before);
        } else {
            EXPECT_TRUE(after == before || after.find("new-key") != std::string::npos) << after;
        }
        // Nothing half-written stays behind.
        ::chmod(file.parent_path().c_str(), 0755);
        for (const auto& entry : fs::directory_iterator(file.parent_path()))
            EXPECT_EQ(entry.path(), file) << "left behind: " << entry.path();
    }
}

TEST_F(ReliabilityConfigCrash, DirectoryInPlaceOfTheFileIsLeftAlone) {
    VantorelComManager manager(kTs9, false);
    fs::create_directory(iniFile());
    std::ofstream(iniFile() / "inside") << "x";
    EXPECT_EQ(runInChild([] { store(u"k", true); }, false), 0);
    EXPECT_TRUE(fs::is_directory(iniFile()));
    EXPECT_EQ(readBytes(iniFile() / "inside"), "x");
}

#endif

}  // namespace
