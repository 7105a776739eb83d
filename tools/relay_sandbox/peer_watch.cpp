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

int highestDescriptor() {
    rlimit limit{};
    if (getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur < 65536) return static_cast<int>(limit.rlim_cur);
    return 1024;
}

// The remote port of `fd` when it is a socket connected from `localPort`,
// else -1.
int remotePortOn(int fd, int localPort) {
    sockaddr_storage local{};
    socklen_t length = sizeof local;
    if (getsockname(fd, reinterpret_cast<sockaddr*>(&local), &length) != 0) return -1;
    if (portOf(local) != localPort) return -1;
    sockaddr_storage remote{};
    length = sizeof remote;
    if (getpeername(fd, reinterpret_cast<sockaddr*>(&remote), &length) != 0) return -1;
    return portOf(remote);
}

}  // namespace

int findConnectedSocket(int localPort, int remotePort) {
    const int highest = highestDescriptor();
    for (int fd = 3; fd < highest; ++fd) {
        if (remotePortOn(fd, localPort) == remotePort) return fd;
    }
    return -1;
}

void shutDownConnectionsOn(int localPort) {
    const int highest = highestDescriptor();
    for (int fd = 3; fd < highest; ++fd) {
        if (remotePortOn(fd, localPort) > 0) ::shutdown(fd, SHUT_RDWR);
    }
}

bool peerHasClosed(int socket) {
    pollfd entry{socket, POLLRDHUP, 0};
    if (poll(&entry, 1, 0) < 0) return true;
    return (entry.revents & (POLLRDHUP | POLLHUP | POLLERR | POLLNVAL)) != 0;
}

}  // namespace vcom::sandbox
