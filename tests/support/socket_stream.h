#pragma once

#include <chrono>
#include <cstddef>
#include <span>
#include <string_view>

#include "support/socket_fd.h"
#include "support/socket_stop_signal.h"

namespace vantrel::test {

// One accepted connection as a byte stream, plain or TLS, over a non-blocking socket. Every
// wait ends when the server's stop signal is raised, so no connection can outlive the server.
class SocketStream {
public:
    SocketStream(UniqueFd socket, const StopSignal& stop);
    virtual ~SocketStream() = default;
    SocketStream(const SocketStream&) = delete;
    SocketStream& operator=(const SocketStream&) = delete;

    // Up to buffer.size() bytes; 0 when the peer closed, the connection failed or the server stops.
    virtual std::size_t Read(std::span<char> buffer) = 0;
    // False unless every byte was handed to the connection.
    virtual bool Write(std::string_view bytes) = 0;

    // False when the server stops first.
    bool SleepUntil(std::chrono::steady_clock::time_point deadline) const;
    void HoldUntilStopped() const;
    // Makes the end of the connection a reset instead of an orderly close, once the bytes
    // written so far have reached the peer (a reset discards whatever is still queued).
    // Destroying the stream sends the reset.
    void Abort();

protected:
    int socket() const { return socket_.get(); }
    bool aborted() const { return aborted_; }
    bool WaitUntilReadable() const;
    bool WaitUntilWritable() const;

private:
    bool WaitUntilDelivered() const;

    UniqueFd socket_;
    const StopSignal& stop_;
    bool aborted_ = false;
};

class PlainSocketStream final : public SocketStream {
public:
    using SocketStream::SocketStream;

    std::size_t Read(std::span<char> buffer) override;
    bool Write(std::string_view bytes) override;
};

}  // namespace vantrel::test
