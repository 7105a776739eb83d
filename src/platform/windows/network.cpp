// Network adapters as GetAdaptersAddresses lists them.
#include <winsock2.h>
#include <iphlpapi.h>

#include <vector>

#include "platform/windows/windows_os.h"

namespace vcom::platform {

namespace {

constexpr ULONG kFlags = GAA_FLAG_SKIP_ANYCAST | GAA_FLAG_SKIP_MULTICAST | GAA_FLAG_SKIP_DNS_SERVER |
                         GAA_FLAG_SKIP_FRIENDLY_NAME;

// The adapter list in one buffer; empty when it cannot be had. The size
// may grow between the two calls, hence the loop.
std::vector<unsigned char> adapterBuffer() {
    ULONG size = 16 * 1024;
    std::vector<unsigned char> buffer;
    for (int attempt = 0; attempt < 4; ++attempt) {
        buffer.resize(size);
        const ULONG r =
            GetAdaptersAddresses(AF_UNSPEC, kFlags, nullptr, reinterpret_cast<IP_ADAPTER_ADDRESSES*>(buffer.data()), &size);
        if (r == ERROR_SUCCESS) return buffer;
        if (r != ERROR_BUFFER_OVERFLOW) break;
    }
    return {};
}

template <class Visit>
void forEachAdapter(Visit&& visit) {
    std::vector<unsigned char> buffer = adapterBuffer();
    if (buffer.empty()) return;
    for (auto* a = reinterpret_cast<IP_ADAPTER_ADDRESSES*>(buffer.data()); a; a = a->Next) visit(*a);
}

}  // namespace

bool WindowsOs::networkAvailable() {
    bool available = false;
    forEachAdapter([&](const IP_ADAPTER_ADDRESSES& a) {
        if (a.OperStatus == IfOperStatusUp && a.IfType != IF_TYPE_SOFTWARE_LOOPBACK && a.IfType != IF_TYPE_TUNNEL)
            available = true;
    });
    return available;
}

std::vector<NetworkInterface> WindowsOs::networkInterfaces() {
    std::vector<NetworkInterface> result;
    forEachAdapter([&](const IP_ADAPTER_ADDRESSES& a) {
        NetworkInterface entry;
        entry.up = a.OperStatus == IfOperStatusUp;
        entry.physicalAddress.assign(a.PhysicalAddress, a.PhysicalAddress + a.PhysicalAddressLength);
        result.push_back(std::move(entry));
    });
    return result;
}

}  // namespace vcom::platform
