#pragma once
// The one table through which the library reaches the operating system.
// posix/ and windows/ each implement `defaultOs()`; CMake picks the folder.
// Tests install their own table (usually a subclass of the default that
// overrides one call) to inject faults.

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vcom::platform {

struct NetworkInterface {
    bool up = false;
    std::vector<std::uint8_t> physicalAddress;  // empty for loopback and the like
};

struct HttpRequest {
    std::string url;
    std::string contentType;
    std::string body;
    std::chrono::milliseconds connectTimeout{0};
    std::chrono::milliseconds sendTimeout{0};     // longest wait without progress while sending
    std::chrono::milliseconds receiveTimeout{0};  // longest wait without data while receiving
    std::size_t maxBodyBytes = 0;                 // body bytes kept; the rest is read and dropped
};

struct HttpResponse {
    bool completed = false;  // a final reply was read
    long status = 0;
    std::string body;        // at most maxBodyBytes
    std::u16string error;    // why it failed, naming the failure; "" when completed
};

// A time zone as the tick conversion needs it. Times are seconds since
// 1970-01-01 00:00:00; offsets are seconds east of UTC.
class TimeZone {
public:
    virtual ~TimeZone() = default;
    // The offset in force at a UTC instant.
    virtual std::int64_t offsetAtUtc(std::int64_t utcSeconds) const = 0;
    // The offset for a wall-clock time; the zone's standard offset for a
    // wall-clock time that is skipped or occurs twice.
    virtual std::int64_t offsetForLocal(std::int64_t localSeconds) const = 0;
};

// How the user's locale writes numbers and date-times. Patterns use the
// d/dd/M/MM/yy/yyyy/h/hh/H/HH/m/mm/s/ss/t/tt grammar with quoted literals.
struct LocaleFormat {
    std::u16string decimalSeparator = u".";
    std::u16string negativeSign = u"-";
    std::u16string nanSymbol = u"NaN";
    std::u16string positiveInfinitySymbol = u"Infinity";
    std::u16string negativeInfinitySymbol = u"-Infinity";
    std::u16string shortDatePattern = u"MM/dd/yyyy";
    std::u16string longTimePattern = u"HH:mm:ss";
    std::u16string amDesignator = u"AM";
    std::u16string pmDesignator = u"PM";
};

class Os {
public:
    virtual ~Os() = default;

    // Results across the C boundary (CoTaskMemAlloc / malloc).
    virtual void* allocateResult(std::size_t bytes) = 0;
    virtual void freeResult(void* p) = 0;

    // 8-bit text in the system's ANSI code page (Linux: the locale's set).
    // Bytes the set cannot decode become U+FFFD; characters it lacks become
    // a best-fit equivalent or "?".
    virtual std::u16string ansiToUtf16(std::string_view bytes) = 0;
    virtual std::string utf16ToAnsi(std::u16string_view text) = 0;

    // Files. Paths are UTF-16 in the platform's own syntax.
    virtual char16_t pathSeparator() = 0;
    virtual std::u16string roamingAppDataFolder() = 0;  // "" when unknown
    virtual bool isDirectory(const std::u16string& path) = 0;
    virtual bool isFile(const std::u16string& path) = 0;
    virtual bool createDirectories(const std::u16string& path) = 0;
    virtual std::optional<std::string> readFile(const std::u16string& path) = 0;
    virtual bool createEmptyFile(const std::u16string& path) = 0;
    // Replaces the content as one step: a crash leaves the old or the new file.
    virtual bool replaceFile(const std::u16string& path, std::string_view content) = 0;

    // A new random GUID, 16 bytes in the order of its text form.
    virtual std::array<std::uint8_t, 16> newGuid() = 0;

    // Network interfaces in the order the system lists them.
    virtual bool networkAvailable() = 0;
    virtual std::vector<NetworkInterface> networkInterfaces() = 0;

    // One HTTP(S) POST; the connection may be kept for the next one.
    virtual HttpResponse httpPost(const HttpRequest& request) = 0;

    // The machine's zone and US Eastern time (null when it cannot be had).
    virtual std::shared_ptr<const TimeZone> localTimeZone() = 0;
    virtual std::shared_ptr<const TimeZone> easternTimeZone() = 0;

    // The current user's number and date-time formats.
    virtual LocaleFormat userLocale() = 0;
};

// The platform's own table.
Os& defaultOs();

// The table in use: the default unless a test installed another.
Os& os();

// Installs `replacement` (null restores the default). For tests.
void installOs(Os* replacement);

}  // namespace vcom::platform
