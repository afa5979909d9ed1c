#pragma once

#include "support/socket_fd.h"
#include "support/socket_stop_signal.h"

namespace vantrel::test {

// A TCP socket bound to 127.0.0.1 on a port the system picks, not yet listening.
UniqueFd BindLoopbackSocket();
int BoundPort(int socket);

// Listens on 127.0.0.1 with an ephemeral port.
class LoopbackListener {
public:
    LoopbackListener();

    int port() const { return port_; }
    // The next connection, non-blocking and with Nagle's delay off; empty once `stop` is raised.
    UniqueFd Accept(const StopSignal& stop) const;

private:
    UniqueFd socket_;
    int port_ = 0;
};

}  // namespace vantrel::test
