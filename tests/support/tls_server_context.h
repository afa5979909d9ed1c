#pragma once

#include "support/tls_handles.h"

namespace vantrel::test {

// The TLS side of one HTTPS test server, holding a certificate made for that server alone.
SslCtxPtr MakeTlsServerContext();

}  // namespace vantrel::test
