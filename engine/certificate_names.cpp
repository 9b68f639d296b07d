#include "engine/certificate_names.h"

#include <algorithm>

#include "common/text_helpers.h"

namespace pbw {
namespace {

constexpr unsigned char kSequence = 0x30;
constexpr unsigned char kDnsNameTag = 0x82;    // [2] IA5String
constexpr unsigned char kIpAddressTag = 0x87;  // [7] OCTET STRING

// One DER element: its tag and contents, taken off the front of `der`; nothing when malformed.
struct Element {
  unsigned char tag;
  std::string_view contents;
};

std::optional<Element> TakeElement(std::string_view& der) {
  if (der.size() < 2) return std::nullopt;
  const auto tag = static_cast<unsigned char>(der[0]);
  std::size_t length = static_cast<unsigned char>(der[1]);
  std::size_t header = 2;
  if (length & 0x80) {
    const std::size_t octets = length & 0x7F;
    if (octets == 0 || octets > 4 || der.size() < 2 + octets) return std::nullopt;
    length = 0;
    for (std::size_t i = 0; i < octets; ++i) length = length << 8 | static_cast<unsigned char>(der[2 + i]);
    header += octets;
  }
  if (der.size() - header < length) return std::nullopt;
  const Element element{tag, der.substr(header, length)};
  der.remove_prefix(header + length);
  return element;
}

std::wstring_view WithoutFinalDot(std::wstring_view name) {
  if (!name.empty() && name.back() == L'.') name.remove_suffix(1);
  return name;
}

bool NameMatches(std::wstring_view host, std::wstring_view pattern) {
  if (pattern.find(L'\0') != std::wstring_view::npos) return false;
  host = WithoutFinalDot(host);
  pattern = WithoutFinalDot(pattern);
  if (host.empty() || pattern.empty()) return false;
  if (pattern.substr(0, 2) != L"*.") return EqualIgnoringAsciiCase(host, pattern);
  // "*.example.com": one whole label, and never a bare top-level domain such as "*.com".
  const std::wstring_view suffix = pattern.substr(1);
  if (suffix.find(L'.', 1) == std::wstring_view::npos) return false;
  const auto firstDot = host.find(L'.');
  return firstDot != 0 && firstDot != std::wstring_view::npos && EqualIgnoringAsciiCase(host.substr(firstDot), suffix);
}

// Without leading zeros: the system reads "010" as octal.
std::optional<unsigned> DecimalPart(std::wstring_view digits, unsigned max) {
  if (digits.empty() || digits.size() > 3 || (digits.size() > 1 && digits[0] == L'0')) return std::nullopt;
  unsigned value = 0;
  for (const wchar_t c : digits) {
    if (c < L'0' || c > L'9') return std::nullopt;
    value = value * 10 + static_cast<unsigned>(c - L'0');
  }
  return value <= max ? std::optional<unsigned>(value) : std::nullopt;
}

std::optional<std::string> ParseIpv4(std::wstring_view text) {
  std::string bytes;
  for (int part = 0; part < 4; ++part) {
    const auto dot = text.find(L'.');
    if ((dot == std::wstring_view::npos) != (part == 3)) return std::nullopt;
    const auto value = DecimalPart(text.substr(0, dot), 255);
    if (!value) return std::nullopt;
    bytes += static_cast<char>(*value);
    text.remove_prefix(dot == std::wstring_view::npos ? text.size() : dot + 1);
  }
  return bytes;
}

// The 16-bit groups of one side of "::", each 1 to 4 hex digits; an IPv4 ending counts as two.
std::optional<std::string> Ipv6Groups(std::wstring_view text, bool mayEndInIpv4) {
  std::string bytes;
  while (!text.empty()) {
    const auto colon = text.find(L':');
    const std::wstring_view group = text.substr(0, colon);
    if (colon == std::wstring_view::npos && mayEndInIpv4 && group.find(L'.') != std::wstring_view::npos) {
      const auto v4 = ParseIpv4(group);
      if (!v4) return std::nullopt;
      return bytes + *v4;
    }
    if (group.empty() || group.size() > 4) return std::nullopt;
    unsigned value = 0;
    for (const wchar_t c : group) {
      const auto digit = HexDigitValue(c);
      if (!digit) return std::nullopt;
      value = value * 16 + *digit;
    }
    bytes += static_cast<char>(value >> 8);
    bytes += static_cast<char>(value & 0xFF);
    if (colon == std::wstring_view::npos) break;
    text.remove_prefix(colon + 1);
    if (text.empty()) return std::nullopt;  // a trailing single colon
  }
  return bytes;
}

std::optional<std::string> ParseIpv6(std::wstring_view text) {
  const auto gap = text.find(L"::");
  if (gap == std::wstring_view::npos) {
    auto bytes = Ipv6Groups(text, true);
    if (!bytes || bytes->size() != 16) return std::nullopt;
    return bytes;
  }
  if (text.find(L"::", gap + 1) != std::wstring_view::npos) return std::nullopt;
  const auto head = Ipv6Groups(text.substr(0, gap), false);
  const auto tail = Ipv6Groups(text.substr(gap + 2), true);
  if (!head || !tail || head->size() + tail->size() > 14) return std::nullopt;
  return *head + std::string(16 - head->size() - tail->size(), '\0') + *tail;
}

}  // namespace

std::optional<CertificateNames> DecodeAltNames(std::string_view der) {
  const auto sequence = TakeElement(der);
  if (!sequence || sequence->tag != kSequence || !der.empty()) return std::nullopt;
  CertificateNames names;
  names.hasAltNames = true;
  std::string_view entries = sequence->contents;
  while (!entries.empty()) {
    const auto entry = TakeElement(entries);
    if (!entry) return std::nullopt;
    if (entry->tag == kDnsNameTag) {
      std::wstring name;
      for (const char c : entry->contents) {
        // IA5String is ASCII; anything beyond it cannot be a host name.
        if (static_cast<unsigned char>(c) >= 0x80) return std::nullopt;
        name += static_cast<wchar_t>(c);
      }
      names.dnsNames.push_back(std::move(name));
    } else if (entry->tag == kIpAddressTag) {
      names.ipAddresses.emplace_back(entry->contents);
    }
  }
  return names;
}

std::optional<std::string> ParseIpAddress(std::wstring_view text) {
  if (text.find(L':') != std::wstring_view::npos) return ParseIpv6(text);
  return ParseIpv4(text);
}

bool CertificateNameMatches(std::wstring_view host, const CertificateNames& names) {
  if (const auto address = ParseIpAddress(host)) {
    return std::find(names.ipAddresses.begin(), names.ipAddresses.end(), *address) != names.ipAddresses.end();
  }
  if (!names.hasAltNames) return NameMatches(host, names.commonName);
  return std::any_of(names.dnsNames.begin(), names.dnsNames.end(),
                     [&](const std::wstring& name) { return NameMatches(host, name); });
}

}  // namespace pbw
