#pragma once
// Tells whether the client of a held request has gone away, so that a
// request that is never answered is released as soon as nobody waits.

namespace vcom::sandbox {

// The connected socket of this process whose local and remote ports are
// these, or -1 when none is found.
int findConnectedSocket(int localPort, int remotePort);

// Shuts down every connected socket of this process whose local port is
// `localPort`, so that workers waiting on kept-alive connections return.
void shutDownConnectionsOn(int localPort);

// True when the peer of `socket` has closed its side (or the socket broke).
bool peerHasClosed(int socket);

}  // namespace vcom::sandbox
