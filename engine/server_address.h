#pragma once
// The server field may carry a port: "pop.example.com:995" or "[2001:db8::1]:995".

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/engine_ports.h"

namespace pbw {

constexpr std::uint16_t kDefaultPop3Port = 110;
// POP3 over implicit TLS; every other port is plain POP3.
constexpr std::uint16_t kPop3TlsPort = 995;

struct ServerAddress {
  std::wstring host;
  std::uint16_t port = kDefaultPop3Port;
  // The text named the port itself (else it is the default).
  bool portGiven = false;
};

// Separates a trailing ":" + 1..65535 from the host; brackets around an IPv6 literal are removed.
// A bare IPv6 literal (several colons, no brackets) is all host. Blanks around the text are dropped.
ServerAddress SplitServerAddress(std::wstring_view serverText);

// "host:port", or "[host]:port" where the host would not come back whole otherwise (an IPv6
// literal): SplitServerAddress gives back the same host and port.
std::wstring ComposeServerAddress(std::wstring_view host, std::uint16_t port);

ConnectionSecurity SecurityForPort(std::uint16_t port);

}  // namespace pbw
