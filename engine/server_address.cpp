#include "engine/server_address.h"

#include <optional>

#include "common/text_helpers.h"

namespace pbw {
namespace {

std::optional<std::uint16_t> ParsePort(std::wstring_view digits) {
  if (digits.empty() || digits.size() > 5) return std::nullopt;
  unsigned value = 0;
  for (const wchar_t c : digits) {
    if (c < L'0' || c > L'9') return std::nullopt;
    value = value * 10 + static_cast<unsigned>(c - L'0');
  }
  if (value < 1 || value > 65535) return std::nullopt;
  return static_cast<std::uint16_t>(value);
}

}  // namespace

ServerAddress SplitServerAddress(std::wstring_view serverText) {
  const std::wstring_view text = TrimSpaces(serverText);
  ServerAddress whole{std::wstring(text), kDefaultPop3Port};

  if (!text.empty() && text.front() == L'[') {
    // The last bracket closes, so that whatever stood between the brackets comes back whole.
    const auto close = text.rfind(L']');
    if (close == std::wstring_view::npos) return whole;
    const std::wstring host(text.substr(1, close - 1));
    const std::wstring_view rest = text.substr(close + 1);
    if (rest.empty()) return {host, kDefaultPop3Port};
    if (rest.front() != L':') return whole;
    const auto port = ParsePort(rest.substr(1));
    return port ? ServerAddress{host, *port, true} : whole;
  }

  const auto colon = text.rfind(L':');
  if (colon == std::wstring_view::npos || text.find(L':') != colon) return whole;
  const auto port = ParsePort(text.substr(colon + 1));
  if (!port) return whole;
  return {std::wstring(text.substr(0, colon)), *port, true};
}

std::wstring ComposeServerAddress(std::wstring_view host, std::uint16_t port) {
  const bool bracketed =
      host.find(L':') != std::wstring_view::npos || host.starts_with(L'[') || host != TrimSpaces(host);
  std::wstring text = bracketed ? L'[' + std::wstring(host) + L']' : std::wstring(host);
  return text + L':' + DecimalText(port);
}

ConnectionSecurity SecurityForPort(std::uint16_t port) {
  return port == kPop3TlsPort ? ConnectionSecurity::kImplicitTls : ConnectionSecurity::kPlain;
}

}  // namespace pbw
