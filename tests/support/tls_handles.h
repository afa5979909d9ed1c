#pragma once

#include <openssl/bn.h>
#include <openssl/evp.h>
#include <openssl/ssl.h>
#include <openssl/x509.h>

#include <memory>

namespace vantrel::test {

template <auto Free>
struct OpenSslDeleter {
    template <typename T>
    void operator()(T* handle) const {
        Free(handle);
    }
};

using BignumPtr = std::unique_ptr<BIGNUM, OpenSslDeleter<BN_free>>;
using EvpPkeyPtr = std::unique_ptr<EVP_PKEY, OpenSslDeleter<EVP_PKEY_free>>;
using SslCtxPtr = std::unique_ptr<SSL_CTX, OpenSslDeleter<SSL_CTX_free>>;
using SslPtr = std::unique_ptr<SSL, OpenSslDeleter<SSL_free>>;
using X509ExtensionPtr = std::unique_ptr<X509_EXTENSION, OpenSslDeleter<X509_EXTENSION_free>>;
using X509Ptr = std::unique_ptr<X509, OpenSslDeleter<X509_free>>;

// Throws std::runtime_error naming `what` and the oldest OpenSSL error of this thread.
[[noreturn]] void ThrowOpenSslError(const char* what);

}  // namespace vantrel::test
