// Files and folders through the wide-character Windows API.
#include <shlobj.h>

#include <atomic>
#include <climits>
#include <string>

#include "platform/windows/wide.h"
#include "platform/windows/windows_os.h"

namespace vcom::platform {

namespace {

// Tests point the library at a temporary folder with this variable; hosts
// never set it, so they get the user's roaming folder.
constexpr const wchar_t* kAppDataOverride = L"VANTOREL_APPDATA_DIR";

std::u16string environmentValue(const wchar_t* name) {
    const DWORD size = GetEnvironmentVariableW(name, nullptr, 0);
    if (size == 0) return {};
    std::wstring value(size, L'\0');
    const DWORD length = GetEnvironmentVariableW(name, value.data(), size);
    if (length == 0 || length >= size) return {};
    return win::fromWide(value.data(), length);
}

class Handle {
public:
    explicit Handle(HANDLE h) : mHandle(h) {}
    ~Handle() {
        if (ok()) CloseHandle(mHandle);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    bool ok() const { return mHandle != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return mHandle; }
    bool close() {
        const bool closed = ok() && CloseHandle(mHandle);
        mHandle = INVALID_HANDLE_VALUE;
        return closed;
    }

private:
    HANDLE mHandle;
};

bool isSeparator(char16_t c) { return c == u'\\' || c == u'/'; }

bool writeAll(HANDLE file, std::string_view content) {
    while (!content.empty()) {
        const DWORD chunk = content.size() > 1u << 30 ? 1u << 30 : static_cast<DWORD>(content.size());
        DWORD written = 0;
        if (!WriteFile(file, content.data(), chunk, &written, nullptr) || written == 0) return false;
        content.remove_prefix(written);
    }
    return true;
}

std::u16string temporarySibling(const std::u16string& path) {
    static std::atomic<unsigned> counter{0};
    const std::string tag = std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter);
    return path + u".tmp-" + std::u16string(tag.begin(), tag.end());
}

}  // namespace

char16_t WindowsOs::pathSeparator() { return u'\\'; }

std::u16string WindowsOs::roamingAppDataFolder() {
    std::u16string overridden = environmentValue(kAppDataOverride);
    if (!overridden.empty()) return overridden;
    PWSTR folder = nullptr;
    std::u16string result;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_RoamingAppData, KF_FLAG_DEFAULT, nullptr, &folder)) && folder)
        result = win::fromWide(folder);
    CoTaskMemFree(folder);
    return result;
}

bool WindowsOs::isDirectory(const std::u16string& path) {
    const DWORD attributes = GetFileAttributesW(win::wide(path));
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool WindowsOs::isFile(const std::u16string& path) {
    const DWORD attributes = GetFileAttributesW(win::wide(path));
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// Creates each missing folder from the root down. Prefixes that are no
// folders ("C:", "\\server") fail harmlessly; the final check decides.
bool WindowsOs::createDirectories(const std::u16string& path) {
    if (path.empty()) return false;
    if (isDirectory(path)) return true;
    for (std::size_t i = 1; i <= path.size(); ++i) {
        if (i < path.size() && !isSeparator(path[i])) continue;
        if (isSeparator(path[i - 1])) continue;
        const std::u16string prefix = path.substr(0, i);
        if (!isDirectory(prefix)) CreateDirectoryW(win::wide(prefix), nullptr);
    }
    return isDirectory(path);
}

std::optional<std::string> WindowsOs::readFile(const std::u16string& path) {
    Handle file(CreateFileW(win::wide(path), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.ok()) return std::nullopt;
    std::string content;
    char buffer[64 * 1024];
    for (;;) {
        DWORD read = 0;
        if (!ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr)) return std::nullopt;
        if (read == 0) break;
        content.append(buffer, read);
    }
    return content;
}

// Leaves an existing file as it is.
bool WindowsOs::createEmptyFile(const std::u16string& path) {
    Handle file(CreateFileW(win::wide(path), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    return file.ok();
}

// The new content goes to a sibling first and is flushed to disk; the move
// over the old file is the one step a crash cannot split.
bool WindowsOs::replaceFile(const std::u16string& path, std::string_view content) {
    const std::u16string temporary = temporarySibling(path);
    Handle file(CreateFileW(win::wide(temporary), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                            nullptr));
    if (!file.ok()) return false;
    const bool written = writeAll(file.get(), content) && FlushFileBuffers(file.get());
    const bool closed = file.close();
    if (written && closed &&
        MoveFileExW(win::wide(temporary), win::wide(path), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    DeleteFileW(win::wide(temporary));
    return false;
}

}  // namespace vcom::platform
