#include "support/tls_server_context.h"

#include "support/test_certificate.h"

namespace vantrel::test {

SslCtxPtr MakeTlsServerContext() {
    SslCtxPtr context(SSL_CTX_new(TLS_server_method()));
    if (!context) ThrowOpenSslError("creating the TLS context");
    const TestCertificate made = MakeTestCertificate();
    if (SSL_CTX_use_certificate(context.get(), made.certificate.get()) != 1 ||
        SSL_CTX_use_PrivateKey(context.get(), made.key.get()) != 1 ||
        SSL_CTX_set_min_proto_version(context.get(), TLS1_2_VERSION) != 1) {
        ThrowOpenSslError("configuring the TLS context");
    }
    // A non-blocking socket takes part of a large write and the rest is retried later.
    SSL_CTX_set_mode(context.get(),
                     SSL_MODE_ENABLE_PARTIAL_WRITE | SSL_MODE_ACCEPT_MOVING_WRITE_BUFFER);
    // A client that hangs up without close_notify has only ended its side of the exchange.
    SSL_CTX_set_options(context.get(), SSL_OP_IGNORE_UNEXPECTED_EOF);
    return context;
}

}  // namespace vantrel::test
