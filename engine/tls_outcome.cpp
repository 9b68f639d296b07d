#include "engine/tls_outcome.h"

#include <algorithm>
#include <array>
#include <initializer_list>

#include "common/text_helpers.h"
#include "engine/status_texts.h"

namespace pbw {
namespace {

bool Any(std::uint32_t bits, std::uint32_t mask) { return (bits & mask) != 0; }

bool IsOneOf(std::uint32_t code, std::initializer_list<std::uint32_t> codes) {
  return std::find(codes.begin(), codes.end(), code) != codes.end();
}

// A certificate's text may hold line breaks; the trace line must stay one line.
std::wstring OnOneLine(std::wstring_view text) {
  std::wstring line(text);
  std::replace_if(
      line.begin(), line.end(), [](wchar_t c) { return c < L' '; }, L' ');
  return line;
}

std::wstring Hex32(std::uint32_t value) { return L"0x" + HexPadded(static_cast<std::int32_t>(value), 8); }

}  // namespace

std::wstring_view TlsFailureText(TlsOutcome outcome) {
  switch (outcome) {
    case TlsOutcome::kEstablished:
      return {};
    case TlsOutcome::kUntrustedCertificate:
      return status_text::kTlsUntrusted;
    case TlsOutcome::kWrongHost:
      return status_text::kTlsWrongHost;
    case TlsOutcome::kExpiredCertificate:
      return status_text::kTlsExpired;
    case TlsOutcome::kFailed:
      break;
  }
  return status_text::kTlsFailed;
}

TlsOutcome JudgeCertificate(std::uint32_t chainErrors, std::uint32_t policyError, bool nameMatches) {
  using namespace chain_error;
  const std::uint32_t faults = chainErrors & ~(kRevocationUnknown | kOfflineRevocation);
  const bool policyFault =
      policyError != 0 && !IsOneOf(policyError, {policy_error::kRevocationFailure, policy_error::kNoRevocationCheck,
                                                 policy_error::kRevocationOffline});
  if (Any(faults, kUntrustedRoot | kPartialChain | kCyclic | kNotSignatureValid) ||
      IsOneOf(policyError, {policy_error::kUntrustedRoot, policy_error::kChaining, policy_error::kUntrustedTestRoot,
                            policy_error::kUntrustedCa})) {
    return TlsOutcome::kUntrustedCertificate;
  }
  if (Any(faults, kNotTimeValid) || policyError == policy_error::kExpired) return TlsOutcome::kExpiredCertificate;
  if (!nameMatches || policyError == policy_error::kNameMismatch) return TlsOutcome::kWrongHost;
  if (faults != 0 || policyFault) return TlsOutcome::kFailed;
  return TlsOutcome::kEstablished;
}

std::wstring TlsProtocolName(std::uint32_t protocol) {
  struct Known {
    std::uint32_t bits;
    const wchar_t* name;
  };
  static constexpr std::array<Known, 5> kKnown = {
      {{0x3000, L"TLS 1.3"}, {0x0C00, L"TLS 1.2"}, {0x0300, L"TLS 1.1"}, {0x00C0, L"TLS 1.0"}, {0x0030, L"SSL 3.0"}}};
  for (const Known& known : kKnown) {
    if (Any(protocol, known.bits)) return known.name;
  }
  return L"Protokoll " + Hex32(protocol);
}

std::wstring TlsTraceLine(const TlsConnectionFacts& facts) {
  return OnOneLine(facts.protocol) + L", " + OnOneLine(facts.cipher) + L", Zertifikat: " + OnOneLine(facts.subject) +
         L" ausgestellt von " + OnOneLine(facts.issuer) + L"\r\n";
}

std::wstring TlsFailureTraceLine(std::uint32_t code) { return L"TLS failed: " + Hex32(code) + L"\r\n"; }

}  // namespace pbw
