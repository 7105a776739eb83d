#include <objbase.h>

#include "platform/windows/windows_os.h"

namespace vcom::platform {

// The GUID's fields are little-endian numbers in memory; the text form
// writes them most significant byte first, and so does this array.
std::array<std::uint8_t, 16> WindowsOs::newGuid() {
    GUID g{};
    if (FAILED(CoCreateGuid(&g))) return {};
    std::array<std::uint8_t, 16> bytes{};
    for (int i = 0; i < 4; ++i) bytes[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(g.Data1 >> (24 - 8 * i));
    bytes[4] = static_cast<std::uint8_t>(g.Data2 >> 8);
    bytes[5] = static_cast<std::uint8_t>(g.Data2);
    bytes[6] = static_cast<std::uint8_t>(g.Data3 >> 8);
    bytes[7] = static_cast<std::uint8_t>(g.Data3);
    for (std::size_t i = 0; i < 8; ++i) bytes[8 + i] = g.Data4[i];
    return bytes;
}

}  // namespace vcom::platform
