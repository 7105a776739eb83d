// Random (version 4) GUIDs from the kernel's random source.
#include <fcntl.h>
#include <sys/random.h>
#include <unistd.h>

#include <cerrno>
#include <random>

#include "platform/posix/posix_os.h"

namespace vcom::platform {

namespace {

bool fillFromGetrandom(std::uint8_t* out, std::size_t size) {
    std::size_t filled = 0;
    while (filled < size) {
        const ssize_t got = ::getrandom(out + filled, size - filled, 0);
        if (got < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        filled += static_cast<std::size_t>(got);
    }
    return true;
}

bool fillFromUrandom(std::uint8_t* out, std::size_t size) {
    const int fd = ::open("/dev/urandom", O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    std::size_t filled = 0;
    while (filled < size) {
        const ssize_t got = ::read(fd, out + filled, size - filled);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;
        filled += static_cast<std::size_t>(got);
    }
    ::close(fd);
    return filled == size;
}

}  // namespace

std::array<std::uint8_t, 16> PosixOs::newGuid() {
    std::array<std::uint8_t, 16> bytes{};
    if (!fillFromGetrandom(bytes.data(), bytes.size()) && !fillFromUrandom(bytes.data(), bytes.size())) {
        std::random_device device;
        for (auto& b : bytes) b = static_cast<std::uint8_t>(device());
    }
    bytes[6] = static_cast<std::uint8_t>((bytes[6] & 0x0F) | 0x40);  // version 4
    bytes[8] = static_cast<std::uint8_t>((bytes[8] & 0x3F) | 0x80);  // RFC 4122 variant
    return bytes;
}

}  // namespace vcom::platform
