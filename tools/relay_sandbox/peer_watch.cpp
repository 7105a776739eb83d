#include "peer_watch.h"

#include <netinet/in.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/socket.h>

namespace vcom::sandbox {

namespace {

int portOf(const sockaddr_storage& address) {
    if (address.ss_family == AF_INET) return ntohs(reinterpret_cast<const sockaddr_in&>(address).sin_port);
    if (address.ss_family == AF_INET6) return ntohs(reinterpret_cast<const sockaddr_in6&>(address).sin6_port);
    return -1;
}

}  // namespace

int findConnectedSocket(int localPort, int remotePort) {
    rlimit limit{};
    int highest = 1024;
    if (getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur < 65536) highest = static_cast<int>(limit.rlim_cur);
    for (int fd = 3; fd < highest; ++fd) {
        sockaddr_storage local{};
        socklen_t length = sizeof local;
        if (getsockname(fd, reinterpret_cast<sockaddr*>(&local), &length) != 0) continue;
        if (portOf(local) != localPort) continue;
        sockaddr_storage remote{};
        length = sizeof remote;
        if (getpeername(fd, reinterpret_cast<sockaddr*>(&remote), &length) != 0) continue;
        if (portOf(remote) == remotePort) return fd;
    }
    return -1;
}

bool peerHasClosed(int socket) {
    pollfd entry{socket, POLLRDHUP, 0};
    if (poll(&entry, 1, 0) < 0) return true;
    return (entry.revents & (POLLRDHUP | POLLHUP | POLLERR | POLLNVAL)) != 0;
}

}  // namespace vcom::sandbox
