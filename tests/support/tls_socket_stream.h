#pragma once

#include "support/socket_stream.h"
#include "support/tls_handles.h"

namespace vantrel::test {

// The server side of a TLS connection. Must live on the thread that serves the connection.
class TlsSocketStream final : public SocketStream {
public:
    TlsSocketStream(UniqueFd socket, const StopSignal& stop, SSL_CTX* context);
    // Sends close_notify unless the connection broke or was aborted.
    ~TlsSocketStream() override;

    // False when the client gives up on the handshake, for one because it refuses the
    // certificate, or the server stops first.
    bool Handshake();

    std::size_t Read(std::span<char> buffer) override;
    bool Write(std::string_view bytes) override;

private:
    // Waits for what OpenSSL needs after `result` of a call; false when it cannot go on.
    bool WaitAfter(int result);

    SslPtr ssl_;
    bool established_ = false;
    bool broken_ = false;
};

}  // namespace vantrel::test
