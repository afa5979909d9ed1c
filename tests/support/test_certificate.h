#pragma once

#include "support/tls_handles.h"

namespace vantrel::test {

struct TestCertificate {
    EvpPkeyPtr key;
    X509Ptr certificate;
};

// A self-signed certificate for 127.0.0.1 and localhost with a fresh EC P-256 key, valid from
// an hour ago (so clock skew cannot make it "not yet valid") for three days. Made in memory:
// nothing is written to disk, and no client trusts it unless told to skip verification.
TestCertificate MakeTestCertificate();

}  // namespace vantrel::test
