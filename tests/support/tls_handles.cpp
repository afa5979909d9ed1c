#include "support/tls_handles.h"

#include <openssl/err.h>

#include <stdexcept>
#include <string>

namespace vantrel::test {

void ThrowOpenSslError(const char* what) {
    char reason[256] = "no OpenSSL error queued";
    if (const unsigned long error = ERR_get_error(); error != 0) {
        ERR_error_string_n(error, reason, sizeof reason);
    }
    ERR_clear_error();
    throw std::runtime_error(std::string(what) + ": " + reason);
}

}  // namespace vantrel::test
