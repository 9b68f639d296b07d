#pragma once
// How the set-up of a secure connection ended, judged from the system's certificate findings,
// and what the program shows and traces of it. Portable: the system's codes are mirrored here.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pbw {

enum class TlsOutcome { kEstablished, kUntrustedCertificate, kWrongHost, kExpiredCertificate, kFailed };

// The status text of a failed set-up; empty for kEstablished.
std::wstring_view TlsFailureText(TlsOutcome outcome);

// The chain's error bits (CERT_TRUST_*) that the judgement tells apart.
namespace chain_error {
inline constexpr std::uint32_t kNotTimeValid = 0x00000001;
inline constexpr std::uint32_t kNotSignatureValid = 0x00000008;
inline constexpr std::uint32_t kUntrustedRoot = 0x00000020;
inline constexpr std::uint32_t kRevocationUnknown = 0x00000040;
inline constexpr std::uint32_t kCyclic = 0x00000080;
inline constexpr std::uint32_t kPartialChain = 0x00010000;
inline constexpr std::uint32_t kOfflineRevocation = 0x01000000;
}  // namespace chain_error

// Results of the SSL chain policy (CERT_E_*, CRYPT_E_*) that the judgement tells apart.
namespace policy_error {
inline constexpr std::uint32_t kExpired = 0x800B0101;
inline constexpr std::uint32_t kUntrustedRoot = 0x800B0109;
inline constexpr std::uint32_t kChaining = 0x800B010A;
inline constexpr std::uint32_t kUntrustedTestRoot = 0x800B010D;
inline constexpr std::uint32_t kRevocationFailure = 0x800B010E;
inline constexpr std::uint32_t kNameMismatch = 0x800B010F;
inline constexpr std::uint32_t kUntrustedCa = 0x800B0112;
inline constexpr std::uint32_t kNoRevocationCheck = 0x80092012;
inline constexpr std::uint32_t kRevocationOffline = 0x80092013;
}  // namespace policy_error

// Any fault of trust outweighs an expiry, an expiry outweighs a wrong name; a revocation status
// that could not be learnt is no fault on its own.
TlsOutcome JudgeCertificate(std::uint32_t chainErrors, std::uint32_t policyError, bool nameMatches);

// "TLS 1.2" for the system's protocol bits (SP_PROT_*_CLIENT or _SERVER).
std::wstring TlsProtocolName(std::uint32_t protocol);

// What a helper needs to know of an established connection.
struct TlsConnectionFacts {
  std::wstring protocol;
  std::wstring cipher;
  std::wstring subject;
  std::wstring issuer;
};

// One trace line: "TLS 1.2, <cipher>, Zertifikat: <subject> ausgestellt von <issuer>" + CR LF.
std::wstring TlsTraceLine(const TlsConnectionFacts& facts);
// One trace line naming the system's code of a failed set-up or record: "TLS failed: 0x80090326" + CR LF.
std::wstring TlsFailureTraceLine(std::uint32_t code);

}  // namespace pbw
