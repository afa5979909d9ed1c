#include "support/tls_socket_stream.h"

#include <openssl/err.h>

#include <algorithm>
#include <climits>
#include <csignal>
#include <utility>

namespace vantrel::test {

namespace {

// OpenSSL writes to the socket with write(2), which raises SIGPIPE once the client has gone.
// Blocked on this thread, the signal stays pending and the write fails with EPIPE instead,
// without changing how the rest of the test program handles the signal.
void BlockSigpipeOnThisThread() {
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);
}

int ClampToInt(std::size_t size) { return static_cast<int>(std::min<std::size_t>(size, INT_MAX)); }

}  // namespace

TlsSocketStream::TlsSocketStream(UniqueFd socket, const StopSignal& stop, SSL_CTX* context)
    : SocketStream(std::move(socket), stop), ssl_(SSL_new(context)) {
    BlockSigpipeOnThisThread();
    if (ssl_ && SSL_set_fd(ssl_.get(), this->socket()) != 1) ssl_.reset();
}

TlsSocketStream::~TlsSocketStream() {
    if (!established_ || broken_ || aborted()) return;
    ERR_clear_error();
    // One attempt: the client's own close_notify is not worth waiting for.
    SSL_shutdown(ssl_.get());
}

bool TlsSocketStream::Handshake() {
    if (!ssl_) return false;
    for (;;) {
        ERR_clear_error();
        const int result = SSL_accept(ssl_.get());
        if (result == 1) {
            established_ = true;
            return true;
        }
        if (!WaitAfter(result)) return false;
    }
}

std::size_t TlsSocketStream::Read(std::span<char> buffer) {
    for (;;) {
        ERR_clear_error();
        const int result = SSL_read(ssl_.get(), buffer.data(), ClampToInt(buffer.size()));
        if (result > 0) return static_cast<std::size_t>(result);
        if (!WaitAfter(result)) return 0;
    }
}

bool TlsSocketStream::Write(std::string_view bytes) {
    while (!bytes.empty()) {
        ERR_clear_error();
        const int result = SSL_write(ssl_.get(), bytes.data(), ClampToInt(bytes.size()));
        if (result > 0) {
            bytes.remove_prefix(static_cast<std::size_t>(result));
        } else if (!WaitAfter(result)) {
            return false;
        }
    }
    return true;
}

bool TlsSocketStream::WaitAfter(int result) {
    switch (SSL_get_error(ssl_.get(), result)) {
        case SSL_ERROR_WANT_READ:
            return WaitUntilReadable();
        case SSL_ERROR_WANT_WRITE:
            return WaitUntilWritable();
        case SSL_ERROR_ZERO_RETURN:
            return false;
        default:
            // After a fatal error OpenSSL must not be asked to shut the session down.
            broken_ = true;
            return false;
    }
}

}  // namespace vantrel::test
