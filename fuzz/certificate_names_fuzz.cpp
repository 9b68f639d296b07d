// The certificate-name reader: whatever DER the extension holds, reading it never fails in any
// other way than by refusing it, and the reader never lets a host match that reference rules,
// written apart from it, reject: an address only against address entries (read by the system's
// inet_pton), a name literally or through "*" as a whole left-most label before two more labels.

#include <arpa/inet.h>

#include <algorithm>
#include <string>
#include <vector>

#include "common/text_helpers.h"
#include "engine/certificate_names.h"
#include "fuzz/fuzz_input.h"

namespace {

using pbw::CertificateNames;
using pbw::fuzzing::Require;

std::optional<std::string> ReferenceAddress(const std::wstring& host) {
  std::string text;
  for (const wchar_t c : host) {
    if (c == L'\0' || c >= 0x80) return std::nullopt;
    text += static_cast<char>(c);
  }
  unsigned char bytes[16];
  if (inet_pton(AF_INET, text.c_str(), bytes) == 1) return std::string(reinterpret_cast<char*>(bytes), 4);
  if (inet_pton(AF_INET6, text.c_str(), bytes) == 1) return std::string(reinterpret_cast<char*>(bytes), 16);
  return std::nullopt;
}

std::vector<std::wstring> Labels(std::wstring name) {
  if (!name.empty() && name.back() == L'.') name.pop_back();
  std::vector<std::wstring> labels(1);
  for (const wchar_t c : name) {
    if (c == L'.') {
      labels.emplace_back();
    } else {
      labels.back() += c;
    }
  }
  return labels;
}

bool ReferenceNameMatches(const std::wstring& host, const std::wstring& pattern) {
  if (host.empty() || pattern.empty() || pattern.find(L'\0') != std::wstring::npos) return false;
  const std::vector<std::wstring> hostLabels = Labels(host);
  const std::vector<std::wstring> patternLabels = Labels(pattern);
  if (hostLabels.size() != patternLabels.size()) return false;
  const bool wildcard = patternLabels.front() == L"*" && patternLabels.size() >= 3;
  for (std::size_t i = 0; i < hostLabels.size(); ++i) {
    const bool any = i == 0 && wildcard && !hostLabels[0].empty();
    if (!any && !pbw::EqualIgnoringAsciiCase(hostLabels[i], patternLabels[i])) return false;
  }
  return true;
}

bool ReferenceMatches(const std::wstring& host, const CertificateNames& names) {
  if (const auto address = ReferenceAddress(host)) {
    return std::find(names.ipAddresses.begin(), names.ipAddresses.end(), *address) != names.ipAddresses.end();
  }
  const std::vector<std::wstring> patterns = names.hasAltNames ? names.dnsNames : std::vector{names.commonName};
  return std::any_of(patterns.begin(), patterns.end(),
                     [&](const std::wstring& pattern) { return ReferenceNameMatches(host, pattern); });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  pbw::fuzzing::FuzzInput input(data, size);
  const std::uint8_t choice = input.Byte();
  const std::wstring host = input.Text(input.Byte());
  std::optional<CertificateNames> names;
  if (choice % 2 == 1) {
    // Names made up here, with the address the reader takes the host for (if any): then the host
    // matches, so the reference rules must take it for the same address.
    const std::wstring name = input.Text(input.Byte());
    names = CertificateNames{choice % 4 == 3, {name}, {}, name};
    if (const auto address = pbw::ParseIpAddress(host)) names->ipAddresses.push_back(*address);
  } else {
    names = pbw::DecodeAltNames(input.Rest());
    if (!names) return 0;
    for (const std::wstring& name : names->dnsNames) {
      Require(std::all_of(name.begin(), name.end(), [](wchar_t c) { return c < 0x80; }));
    }
  }
  Require(!pbw::CertificateNameMatches(host, *names) || ReferenceMatches(host, *names));
  return 0;
}
