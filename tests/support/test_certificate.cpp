#include "support/test_certificate.h"

#include <openssl/x509v3.h>

namespace vantrel::test {

namespace {

constexpr long kValidBeforeNow = 60L * 60;
constexpr long kValidAfterNow = 3L * 24 * 60 * 60;
constexpr int kSerialBits = 63;

EvpPkeyPtr MakeKey() {
    EvpPkeyPtr key(EVP_EC_gen("P-256"));
    if (!key) ThrowOpenSslError("generating the test key");
    return key;
}

// A random serial keeps clients from mistaking one run's certificate for another's.
void SetRandomSerial(X509* certificate) {
    BignumPtr serial(BN_new());
    if (!serial || !BN_rand(serial.get(), kSerialBits, BN_RAND_TOP_ANY, BN_RAND_BOTTOM_ANY) ||
        !BN_to_ASN1_INTEGER(serial.get(), X509_get_serialNumber(certificate))) {
        ThrowOpenSslError("setting the certificate serial");
    }
}

void SetValidity(X509* certificate) {
    if (!X509_gmtime_adj(X509_getm_notBefore(certificate), -kValidBeforeNow) ||
        !X509_gmtime_adj(X509_getm_notAfter(certificate), kValidAfterNow)) {
        ThrowOpenSslError("setting the certificate validity");
    }
}

void SetSelfSignedName(X509* certificate) {
    X509_NAME* name = X509_get_subject_name(certificate);
    const auto* commonName = reinterpret_cast<const unsigned char*>("127.0.0.1");
    if (!X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_ASC, commonName, -1, -1, 0) ||
        !X509_set_issuer_name(certificate, name)) {
        ThrowOpenSslError("naming the certificate");
    }
}

void AddExtension(X509* certificate, int nid, const char* value) {
    X509V3_CTX context;
    X509V3_set_ctx_nodb(&context);
    X509V3_set_ctx(&context, certificate, certificate, nullptr, nullptr, 0);
    X509ExtensionPtr extension(X509V3_EXT_conf_nid(nullptr, &context, nid, value));
    if (!extension || !X509_add_ext(certificate, extension.get(), -1)) {
        ThrowOpenSslError("adding a certificate extension");
    }
}

}  // namespace

TestCertificate MakeTestCertificate() {
    TestCertificate made{MakeKey(), X509Ptr(X509_new())};
    X509* certificate = made.certificate.get();
    if (!certificate || !X509_set_version(certificate, X509_VERSION_3)) {
        ThrowOpenSslError("creating the certificate");
    }
    SetRandomSerial(certificate);
    SetValidity(certificate);
    SetSelfSignedName(certificate);
    AddExtension(certificate, NID_subject_alt_name, "IP:127.0.0.1,DNS:localhost");
    if (!X509_set_pubkey(certificate, made.key.get()) ||
        X509_sign(certificate, made.key.get(), EVP_sha256()) == 0) {
        ThrowOpenSslError("signing the certificate");
    }
    return made;
}

}  // namespace vantrel::test
