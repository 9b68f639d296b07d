// The chain parameters' retrieval timeout is one of its extra fields.
#define CERT_CHAIN_PARA_HAS_EXTRA_FIELDS
#include "engine/certificate_check_win.h"

#include <optional>
#include <utility>
#include <vector>

#include "common/text_helpers.h"
#include "engine/certificate_names.h"

namespace pbw {
namespace {

static_assert(chain_error::kNotTimeValid == CERT_TRUST_IS_NOT_TIME_VALID);
static_assert(chain_error::kNotSignatureValid == CERT_TRUST_IS_NOT_SIGNATURE_VALID);
static_assert(chain_error::kUntrustedRoot == CERT_TRUST_IS_UNTRUSTED_ROOT);
static_assert(chain_error::kRevocationUnknown == CERT_TRUST_REVOCATION_STATUS_UNKNOWN);
static_assert(chain_error::kCyclic == CERT_TRUST_IS_CYCLIC);
static_assert(chain_error::kPartialChain == CERT_TRUST_IS_PARTIAL_CHAIN);
static_assert(chain_error::kOfflineRevocation == CERT_TRUST_IS_OFFLINE_REVOCATION);
static_assert(policy_error::kExpired == static_cast<std::uint32_t>(CERT_E_EXPIRED));
static_assert(policy_error::kUntrustedRoot == static_cast<std::uint32_t>(CERT_E_UNTRUSTEDROOT));
static_assert(policy_error::kChaining == static_cast<std::uint32_t>(CERT_E_CHAINING));
static_assert(policy_error::kUntrustedTestRoot == static_cast<std::uint32_t>(CERT_E_UNTRUSTEDTESTROOT));
static_assert(policy_error::kRevocationFailure == static_cast<std::uint32_t>(CERT_E_REVOCATION_FAILURE));
static_assert(policy_error::kNameMismatch == static_cast<std::uint32_t>(CERT_E_CN_NO_MATCH));
static_assert(policy_error::kUntrustedCa == static_cast<std::uint32_t>(CERT_E_UNTRUSTEDCA));
static_assert(policy_error::kNoRevocationCheck == static_cast<std::uint32_t>(CRYPT_E_NO_REVOCATION_CHECK));
static_assert(policy_error::kRevocationOffline == static_cast<std::uint32_t>(CRYPT_E_REVOCATION_OFFLINE));

// Retrieving a missing issuer or a revocation list from the addresses the certificates name waits
// at most this long, for all revocation retrievals together too.
constexpr DWORD kUrlRetrievalTimeoutMs = 2000;

// Nothing when the certificate has a subject-alternative-name extension that cannot be read.
std::optional<CertificateNames> NamesOf(PCCERT_CONTEXT certificate) {
  const CERT_INFO& info = *certificate->pCertInfo;
  CertificateNames names;
  if (const PCERT_EXTENSION extension =
          ::CertFindExtension(szOID_SUBJECT_ALT_NAME2, info.cExtension, info.rgExtension)) {
    const auto optionalNames = DecodeAltNames(
        std::string_view(reinterpret_cast<const char*>(extension->Value.pbData), extension->Value.cbData));
    if (!optionalNames) return std::nullopt;
    names = *optionalNames;
  }
  auto* oid = const_cast<char*>(szOID_COMMON_NAME);
  const DWORD length = ::CertGetNameStringW(certificate, CERT_NAME_ATTR_TYPE, 0, oid, nullptr, 0);
  std::wstring name(length, L'\0');
  ::CertGetNameStringW(certificate, CERT_NAME_ATTR_TYPE, 0, oid, name.data(), length);
  // Only the terminating NUL goes: one inside the name must keep it from matching.
  if (!name.empty()) name.pop_back();
  names.commonName = std::move(name);
  return names;
}

std::wstring NameText(CERT_NAME_BLOB* name) {
  constexpr DWORD kFormat = CERT_X500_NAME_STR | CERT_NAME_STR_REVERSE_FLAG;
  const DWORD length = ::CertNameToStrW(X509_ASN_ENCODING, name, kFormat, nullptr, 0);
  std::wstring text(length, L'\0');
  ::CertNameToStrW(X509_ASN_ENCODING, name, kFormat, text.data(), length);
  return CutAtNul(std::move(text));
}

}  // namespace

std::wstring SubjectText(PCCERT_CONTEXT certificate) { return NameText(&certificate->pCertInfo->Subject); }
std::wstring IssuerText(PCCERT_CONTEXT certificate) { return NameText(&certificate->pCertInfo->Issuer); }

CertificateJudgement CheckServerCertificate(PCCERT_CONTEXT certificate, const std::wstring& host) {
  if (!certificate) return {TlsOutcome::kFailed, static_cast<std::uint32_t>(SEC_E_CERT_UNKNOWN)};

  auto* serverAuth = const_cast<char*>(szOID_PKIX_KP_SERVER_AUTH);
  CERT_CHAIN_PARA chainPara{};
  chainPara.cbSize = sizeof chainPara;
  chainPara.RequestedUsage.dwType = USAGE_MATCH_TYPE_AND;
  chainPara.RequestedUsage.Usage.cUsageIdentifier = 1;
  chainPara.RequestedUsage.Usage.rgpszUsageIdentifier = &serverAuth;
  chainPara.dwUrlRetrievalTimeout = kUrlRetrievalTimeoutMs;
  PCCERT_CHAIN_CONTEXT chainContext = nullptr;
  if (!::CertGetCertificateChain(
          nullptr, certificate, nullptr, certificate->hCertStore, &chainPara,
          CERT_CHAIN_REVOCATION_CHECK_CHAIN_EXCLUDE_ROOT | CERT_CHAIN_REVOCATION_ACCUMULATIVE_TIMEOUT, nullptr,
          &chainContext)) {
    return {TlsOutcome::kFailed, static_cast<std::uint32_t>(::GetLastError())};
  }
  const UniqueCertificateChain chain(chainContext);

  std::wstring serverName = host;
  SSL_EXTRA_CERT_CHAIN_POLICY_PARA sslPara{};
  sslPara.cbSize = sizeof sslPara;
  sslPara.dwAuthType = AUTHTYPE_SERVER;
  // An address is matched against the certificate's address entries here alone.
  sslPara.pwszServerName = ParseIpAddress(host) ? nullptr : serverName.data();
  CERT_CHAIN_POLICY_PARA policyPara{};
  policyPara.cbSize = sizeof policyPara;
  policyPara.dwFlags = CERT_CHAIN_POLICY_IGNORE_ALL_REV_UNKNOWN_FLAGS;
  policyPara.pvExtraPolicyPara = &sslPara;
  CERT_CHAIN_POLICY_STATUS policyStatus{};
  policyStatus.cbSize = sizeof policyStatus;
  if (!::CertVerifyCertificateChainPolicy(CERT_CHAIN_POLICY_SSL, chain.get(), &policyPara, &policyStatus)) {
    return {TlsOutcome::kFailed, static_cast<std::uint32_t>(::GetLastError())};
  }

  const std::uint32_t chainErrors = chain.get()->TrustStatus.dwErrorStatus;
  const std::optional<CertificateNames> names = NamesOf(certificate);
  const bool nameMatches = names && CertificateNameMatches(host, *names);
  const TlsOutcome outcome = JudgeCertificate(chainErrors, policyStatus.dwError, nameMatches);
  std::uint32_t code = policyStatus.dwError != 0 ? policyStatus.dwError : chainErrors;
  if (code == 0 && !nameMatches) code = static_cast<std::uint32_t>(CERT_E_CN_NO_MATCH);
  return {outcome, code};
}

}  // namespace pbw
