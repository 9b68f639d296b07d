#pragma once
// Which host names a server certificate is for, and whether the host the user named is one of them.
// Portable: the certificate's subject-alternative-name extension is read here from its DER bytes.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pbw {

struct CertificateNames {
  // The subject-alternative-name extension's entries; without the extension the common name counts.
  bool hasAltNames = false;
  std::vector<std::wstring> dnsNames;
  // 4 bytes (IPv4) or 16 (IPv6) each.
  std::vector<std::string> ipAddresses;
  std::wstring commonName;
};

// The DNS names and IP addresses of the DER-encoded extension value (GeneralNames); nothing when it
// cannot be read, which rejects the certificate. A DNS name keeps any NUL it holds.
std::optional<CertificateNames> DecodeAltNames(std::string_view der);

// The 4 or 16 bytes of an IPv4 ("192.0.2.1") or IPv6 ("2001:db8::1") address text; nothing for a name.
// An IPv4 number with a leading zero ("010.0.0.1") makes no address here.
std::optional<std::string> ParseIpAddress(std::wstring_view text);

// True when `host` (in its ASCII form) is one of the certificate's names: an address only one of its
// IP addresses, a name one of its DNS names (or the common name when there is no extension). Letter
// case does not count; "*" may stand for a whole left-most label of a name, never of an address.
// A name holding NUL never matches.
bool CertificateNameMatches(std::wstring_view host, const CertificateNames& names);

}  // namespace pbw
