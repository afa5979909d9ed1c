#include "support/socket_stream.h"

#include <linux/sockios.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/socket.h>

#include <cerrno>
#include <utility>

namespace vantrel::test {

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto kDeliveryPollInterval = std::chrono::milliseconds(1);

bool IsRetryable(int error) { return error == EINTR || error == EAGAIN || error == EWOULDBLOCK; }

}  // namespace

SocketStream::SocketStream(UniqueFd socket, const StopSignal& stop)
    : socket_(std::move(socket)), stop_(stop) {}

bool SocketStream::SleepUntil(Clock::time_point deadline) const {
    return stop_.SleepUntil(deadline);
}

void SocketStream::HoldUntilStopped() const { stop_.Wait(); }

void SocketStream::Abort() {
    aborted_ = true;
    WaitUntilDelivered();
    const linger resetOnClose = {1, 0};
    ::setsockopt(socket_.get(), SOL_SOCKET, SO_LINGER, &resetOnClose, sizeof resetOnClose);
}

bool SocketStream::WaitUntilReadable() const { return stop_.WaitFor(socket_.get(), POLLIN); }

bool SocketStream::WaitUntilWritable() const { return stop_.WaitFor(socket_.get(), POLLOUT); }

// No poll event reports an empty send queue, so look at it until the peer has acknowledged
// every byte, the connection fails (which empties the queue) or the server stops.
bool SocketStream::WaitUntilDelivered() const {
    for (;;) {
        int unacknowledged = 0;
        if (::ioctl(socket_.get(), SIOCOUTQ, &unacknowledged) != 0) return false;
        if (unacknowledged == 0) return true;
        if (!stop_.SleepUntil(Clock::now() + kDeliveryPollInterval)) return false;
    }
}

std::size_t PlainSocketStream::Read(std::span<char> buffer) {
    for (;;) {
        const ssize_t received = ::recv(socket(), buffer.data(), buffer.size(), 0);
        if (received >= 0) return static_cast<std::size_t>(received);
        if (!IsRetryable(errno) || !WaitUntilReadable()) return 0;
    }
}

bool PlainSocketStream::Write(std::string_view bytes) {
    while (!bytes.empty()) {
        // MSG_NOSIGNAL: a client that hangs up mid-response must not kill the test program.
        const ssize_t sent = ::send(socket(), bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (sent >= 0) {
            bytes.remove_prefix(static_cast<std::size_t>(sent));
        } else if (!IsRetryable(errno) || !WaitUntilWritable()) {
            return false;
        }
    }
    return true;
}

}  // namespace vantrel::test
