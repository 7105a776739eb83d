// Network interfaces from getifaddrs, one entry per interface name in the
// order the system lists them; the physical address comes from the
// AF_PACKET entry.
#include <ifaddrs.h>
#include <net/if_arp.h>
#include <netpacket/packet.h>
#include <net/if.h>

#include <algorithm>
#include <string>

#include "platform/posix/posix_os.h"

namespace vcom::platform {

namespace {

struct InterfaceEntry {
    std::string name;
    unsigned flags = 0;
    unsigned short hardwareType = ARPHRD_VOID;
    std::vector<std::uint8_t> physicalAddress;
};

bool isTunnel(unsigned short hardwareType) {
    switch (hardwareType) {
        case ARPHRD_TUNNEL:
        case ARPHRD_TUNNEL6:
        case ARPHRD_SIT:
        case ARPHRD_IPGRE:
        case ARPHRD_NONE:  // tun devices and the like
            return true;
        default:
            return false;
    }
}

bool isUp(const InterfaceEntry& entry) { return (entry.flags & IFF_UP) && (entry.flags & IFF_RUNNING); }

std::vector<InterfaceEntry> listInterfaces() {
    std::vector<InterfaceEntry> entries;
    ifaddrs* list = nullptr;
    if (::getifaddrs(&list) != 0) return entries;
    for (ifaddrs* it = list; it; it = it->ifa_next) {
        if (!it->ifa_name) continue;
        InterfaceEntry* entry = nullptr;
        for (auto& known : entries) {
            if (known.name == it->ifa_name) entry = &known;
        }
        if (!entry) entry = &entries.emplace_back(InterfaceEntry{it->ifa_name});
        entry->flags |= it->ifa_flags;
        if (it->ifa_addr && it->ifa_addr->sa_family == AF_PACKET) {
            const auto* link = reinterpret_cast<const sockaddr_ll*>(it->ifa_addr);
            entry->hardwareType = link->sll_hatype;
            const std::size_t length = std::min<std::size_t>(link->sll_halen, sizeof link->sll_addr);
            if (!(entry->flags & IFF_LOOPBACK)) {
                entry->physicalAddress.assign(link->sll_addr, link->sll_addr + length);
            }
        }
    }
    ::freeifaddrs(list);
    return entries;
}

}  // namespace

bool PosixOs::networkAvailable() {
    for (const InterfaceEntry& entry : listInterfaces()) {
        if (isUp(entry) && !(entry.flags & IFF_LOOPBACK) && !isTunnel(entry.hardwareType)) return true;
    }
    return false;
}

std::vector<NetworkInterface> PosixOs::networkInterfaces() {
    std::vector<NetworkInterface> result;
    for (InterfaceEntry& entry : listInterfaces()) {
        NetworkInterface nic;
        nic.up = isUp(entry);
        if (!(entry.flags & IFF_LOOPBACK)) nic.physicalAddress = std::move(entry.physicalAddress);
        result.push_back(std::move(nic));
    }
    return result;
}

}  // namespace vcom::platform
