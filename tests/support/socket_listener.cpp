#include "support/socket_listener.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>

#include <cerrno>
#include <chrono>
#include <system_error>

namespace vantrel::test {

namespace {

[[noreturn]] void ThrowSystemError(const char* what) {
    throw std::system_error(errno, std::generic_category(), what);
}

// Headers and body go out in separate writes; without this a small body would wait for the
// client's delayed acknowledgement of the headers.
void DisableNagle(int socket) {
    const int on = 1;
    ::setsockopt(socket, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
}

}  // namespace

UniqueFd BindLoopbackSocket() {
    UniqueFd socket(::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    if (!socket) ThrowSystemError("socket");
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    if (::bind(socket.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        ThrowSystemError("bind 127.0.0.1");
    }
    return socket;
}

int BoundPort(int socket) {
    sockaddr_in address{};
    socklen_t length = sizeof address;
    if (::getsockname(socket, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        ThrowSystemError("getsockname");
    }
    return ntohs(address.sin_port);
}

LoopbackListener::LoopbackListener() : socket_(BindLoopbackSocket()) {
    if (::listen(socket_.get(), SOMAXCONN) != 0) ThrowSystemError("listen");
    port_ = BoundPort(socket_.get());
}

UniqueFd LoopbackListener::Accept(const StopSignal& stop) const {
    while (stop.WaitFor(socket_.get(), POLLIN)) {
        UniqueFd connection(
            ::accept4(socket_.get(), nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC));
        if (connection) {
            DisableNagle(connection.get());
            return connection;
        }
        // Out of descriptors or memory: the pending connection stays queued, so back off
        // instead of spinning on a listener that keeps polling ready.
        if (errno != EAGAIN && errno != EINTR && errno != ECONNABORTED &&
            !stop.SleepUntil(std::chrono::steady_clock::now() + std::chrono::milliseconds(10))) {
            break;
        }
    }
    return UniqueFd();
}

}  // namespace vantrel::test
