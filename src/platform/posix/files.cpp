// Files and folders. Paths arrive as UTF-16 and reach the file system as
// UTF-8 bytes.
#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/posix/posix_os.h"
#include "text/utf.h"

namespace vcom::platform {

namespace {

std::string nativePath(const std::u16string& path) { return text::toUtf8(path); }

bool statPath(const std::u16string& path, struct stat& info) {
    return !path.empty() && ::stat(nativePath(path).c_str(), &info) == 0;
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : mFd(fd) {}
    ~FileDescriptor() { close(); }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return mFd; }
    bool ok() const { return mFd >= 0; }
    bool close() {
        if (mFd < 0) return true;
        const int result = ::close(mFd);
        mFd = -1;
        return result == 0;
    }

private:
    int mFd;
};

bool writeAll(int fd, std::string_view content) {
    while (!content.empty()) {
        const ssize_t written = ::write(fd, content.data(), content.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        content.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string randomSuffix() {
    static constexpr char kHex[] = "0123456789abcdef";
    unsigned char bytes[6] = {};
    if (::getrandom(bytes, sizeof bytes, GRND_NONBLOCK) != static_cast<ssize_t>(sizeof bytes)) {
        const auto seed = static_cast<unsigned long>(::getpid()) ^ static_cast<unsigned long>(std::rand());
        for (std::size_t i = 0; i < sizeof bytes; ++i) bytes[i] = static_cast<unsigned char>(seed >> (i * 5));
    }
    std::string out;
    for (unsigned char b : bytes) {
        out.push_back(kHex[b >> 4]);
        out.push_back(kHex[b & 0x0F]);
    }
    return out;
}

// A new file beside `target` that no one else uses, open for writing.
int createTempBeside(const std::string& target, std::string& tempPath) {
    for (int attempt = 0; attempt < 16; ++attempt) {
        tempPath = target + ".tmp-" + randomSuffix();
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

}  // namespace

char16_t PosixOs::pathSeparator() { return u'/'; }

std::u16string PosixOs::roamingAppDataFolder() {
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    if (configHome && *configHome) return text::fromUtf8(configHome);
    const char* home = std::getenv("HOME");
    if (home && *home) return text::fromUtf8(home) + u"/.config";
    return {};
}

bool PosixOs::isDirectory(const std::u16string& path) {
    struct stat info {};
    return statPath(path, info) && S_ISDIR(info.st_mode);
}

bool PosixOs::isFile(const std::u16string& path) {
    struct stat info {};
    return statPath(path, info) && S_ISREG(info.st_mode);
}

bool PosixOs::createDirectories(const std::u16string& path) {
    if (path.empty()) return false;
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(nativePath(path)), error);
    return isDirectory(path);
}

std::optional<std::string> PosixOs::readFile(const std::u16string& path) {
    if (path.empty()) return std::nullopt;
    FileDescriptor file(::open(nativePath(path).c_str(), O_RDONLY | O_CLOEXEC));
    if (!file.ok()) return std::nullopt;
    std::string content;
    char buffer[4096];
    for (;;) {
        const ssize_t got = ::read(file.get(), buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) continue;
            return std::nullopt;
        }
        if (got == 0) return content;
        content.append(buffer, static_cast<std::size_t>(got));
    }
}

bool PosixOs::createEmptyFile(const std::u16string& path) {
    if (path.empty()) return false;
    // O_EXCL: an existing file is never truncated.
    FileDescriptor file(::open(nativePath(path).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    return file.ok() && file.close();
}

bool PosixOs::replaceFile(const std::u16string& path, std::string_view content) {
    if (path.empty()) return false;
    const std::string target = nativePath(path);
    std::string tempPath;
    FileDescriptor temp(createTempBeside(target, tempPath));
    if (!temp.ok()) return false;

    struct stat existing {};
    if (::stat(target.c_str(), &existing) == 0 && S_ISREG(existing.st_mode)) {
        ::fchmod(temp.get(), existing.st_mode & 07777);
    }
    const bool written = writeAll(temp.get(), content) && ::fsync(temp.get()) == 0;
    if (!temp.close() || !written || ::rename(tempPath.c_str(), target.c_str()) != 0) {
        ::unlink(tempPath.c_str());
        return false;
    }
    // Makes the rename itself durable.
    FileDescriptor folder(::open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.ok()) ::fsync(folder.get());
    return true;
}

}  // namespace vcom::platform
