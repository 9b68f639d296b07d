#include "engine/tls_outcome.h"

#include <gtest/gtest.h>

namespace pbw {
namespace {

TEST(TlsOutcome, JudgesChainAndPolicyFindings) {
  using namespace chain_error;
  struct Case {
    const char* name;
    std::uint32_t chain;
    std::uint32_t policy;
    bool nameMatches;
    TlsOutcome outcome;
  };
  const Case cases[] = {
      {"clean", 0, 0, true, TlsOutcome::kEstablished},
      {"revocation unknown alone", kRevocationUnknown | kOfflineRevocation, 0, true, TlsOutcome::kEstablished},
      {"revocation offline in the policy", 0, policy_error::kRevocationOffline, true, TlsOutcome::kEstablished},
      {"no revocation check in the policy", 0, policy_error::kNoRevocationCheck, true, TlsOutcome::kEstablished},
      {"revocation failure in the policy", kRevocationUnknown, policy_error::kRevocationFailure, true,
       TlsOutcome::kEstablished},
      {"self-signed", kUntrustedRoot, policy_error::kUntrustedRoot, true, TlsOutcome::kUntrustedCertificate},
      {"untrusted root seen by the chain only", kUntrustedRoot, 0, true, TlsOutcome::kUntrustedCertificate},
      {"partial chain", kPartialChain, 0, true, TlsOutcome::kUntrustedCertificate},
      {"policy: chaining", 0, policy_error::kChaining, true, TlsOutcome::kUntrustedCertificate},
      {"policy: untrusted CA", 0, policy_error::kUntrustedCa, true, TlsOutcome::kUntrustedCertificate},
      {"bad signature", kNotSignatureValid, 0, true, TlsOutcome::kUntrustedCertificate},
      {"untrusted and expired", kUntrustedRoot | kNotTimeValid, 0, true, TlsOutcome::kUntrustedCertificate},
      {"untrusted and wrong name", kUntrustedRoot, 0, false, TlsOutcome::kUntrustedCertificate},
      {"expired", kNotTimeValid, policy_error::kExpired, true, TlsOutcome::kExpiredCertificate},
      {"expired seen by the policy only", 0, policy_error::kExpired, true, TlsOutcome::kExpiredCertificate},
      {"expired and wrong name", kNotTimeValid, 0, false, TlsOutcome::kExpiredCertificate},
      {"wrong name by own check", 0, 0, false, TlsOutcome::kWrongHost},
      {"wrong name by the policy", 0, policy_error::kNameMismatch, true, TlsOutcome::kWrongHost},
      {"revoked", 0x4, 0x800B010C, true, TlsOutcome::kFailed},
      {"wrong usage", 0x10, 0, true, TlsOutcome::kFailed},
      {"revocation unknown beside another fault", kRevocationUnknown | 0x4, 0, true, TlsOutcome::kFailed},
  };
  for (const Case& c : cases) EXPECT_EQ(JudgeCertificate(c.chain, c.policy, c.nameMatches), c.outcome) << c.name;
}

TEST(TlsOutcome, EachFailureHasItsOwnText) {
  EXPECT_EQ(TlsFailureText(TlsOutcome::kEstablished), L"");
  EXPECT_EQ(TlsFailureText(TlsOutcome::kUntrustedCertificate),
            L"Sichere Verbindung fehlgeschlagen: Zertifikat nicht vertrauenswürdig");
  EXPECT_EQ(TlsFailureText(TlsOutcome::kWrongHost),
            L"Sichere Verbindung fehlgeschlagen: Zertifikat gehört nicht zu diesem Server");
  EXPECT_EQ(TlsFailureText(TlsOutcome::kExpiredCertificate),
            L"Sichere Verbindung fehlgeschlagen: Zertifikat abgelaufen");
  EXPECT_EQ(TlsFailureText(TlsOutcome::kFailed), L"Sichere Verbindung fehlgeschlagen");
}

TEST(TlsTrace, NamesProtocolCipherAndCertificateOnOneLine) {
  EXPECT_EQ(TlsProtocolName(0x800), L"TLS 1.2");
  EXPECT_EQ(TlsProtocolName(0x2000), L"TLS 1.3");
  EXPECT_EQ(TlsProtocolName(0x400), L"TLS 1.2");
  EXPECT_EQ(TlsProtocolName(0x80000), L"Protokoll 0x00080000");
  EXPECT_EQ(TlsTraceLine({L"TLS 1.2", L"ECDHE-RSA-AES256-GCM-SHA384", L"CN=localhost", L"CN=Test CA"}),
            L"TLS 1.2, ECDHE-RSA-AES256-GCM-SHA384, Zertifikat: CN=localhost ausgestellt von CN=Test CA\r\n");
  // A certificate may carry line breaks in its names; the trace line stays one line.
  EXPECT_EQ(TlsTraceLine({L"TLS 1.3", L"X", L"CN=a\r\nRCVD: +OK", L"CN=b\n"}),
            L"TLS 1.3, X, Zertifikat: CN=a  RCVD: +OK ausgestellt von CN=b \r\n");
  EXPECT_EQ(TlsFailureTraceLine(0x80090326), L"TLS failed: 0x80090326\r\n");
  EXPECT_EQ(TlsFailureTraceLine(0x2746), L"TLS failed: 0x00002746\r\n");
}

}  // namespace
}  // namespace pbw
