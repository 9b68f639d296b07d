#include <gtest/gtest.h>

#include "engine/connection_name.h"
#include "engine/server_address.h"

namespace pbw {
namespace {

std::wstring Buffer(std::wstring_view name) {
  std::wstring buffer(1111, L' ');
  buffer.replace(0, name.size(), name);
  buffer[name.size()] = L'\0';
  return buffer;
}

// Whatever the system calls the connection, it counts; only no connection or no name at all does not.
TEST(ConnectionName, EveryReportedConnectionCountsWhateverItsName) {
  struct Case {
    bool connected;
    std::wstring buffer;
    std::wstring expected;
  };
  const Case cases[] = {
      {false, Buffer(L"DSL"), L""},
      {true, Buffer(L"DSL-Verbindung"), L"DSL-Verbindung"},
      {true, Buffer(L"LAN-Verbindung"), L"LAN-Verbindung"},
      {false, Buffer(L"LAN-Verbindung"), L""},
      {true, Buffer(L"lan-connection"), L"lan-connection"},
      {true, Buffer(L"LAN Connection"), L"LAN Connection"},
      {true, Buffer(L""), L""},
      {true, std::wstring(1111, L' '), std::wstring(1111, L' ')},
  };
  for (const auto& c : cases) EXPECT_EQ(ConnectionNameFromProbe(c.connected, c.buffer), c.expected);
}

TEST(ServerAddress, SeparatesAPortSuffix) {
  struct Case {
    std::wstring_view text;
    std::wstring_view host;
    std::uint16_t port;
  };
  const Case cases[] = {
      {L"pop.example.com", L"pop.example.com", 110},
      {L"pop.example.com:995", L"pop.example.com", 995},
      {L"  pop.example.com:995 ", L"pop.example.com", 995},
      {L"pop.example.com:1", L"pop.example.com", 1},
      {L"pop.example.com:65535", L"pop.example.com", 65535},
      {L"pop.example.com:0", L"pop.example.com:0", 110},
      {L"pop.example.com:65536", L"pop.example.com:65536", 110},
      {L"pop.example.com:99999999999", L"pop.example.com:99999999999", 110},
      {L"pop.example.com:", L"pop.example.com:", 110},
      {L"pop.example.com:99x", L"pop.example.com:99x", 110},
      {L"127.0.0.1:1100", L"127.0.0.1", 1100},
      {L"[::1]:2110", L"::1", 2110},
      {L"[::1]", L"::1", 110},
      {L"[::1]x", L"[::1]x", 110},
      {L"[::1", L"[::1", 110},
      {L"::1", L"::1", 110},
      {L"2001:db8::1:995", L"2001:db8::1:995", 110},
      {L"", L"", 110},
      {L":995", L"", 995},
  };
  for (const auto& c : cases) {
    const ServerAddress a = SplitServerAddress(c.text);
    EXPECT_EQ(a.host, c.host) << std::wstring(c.text).c_str();
    EXPECT_EQ(a.port, c.port) << std::wstring(c.text).c_str();
  }
}

TEST(ServerAddress, ComposesATextThatSplitsIntoTheSameHostAndPort) {
  struct Case {
    std::wstring_view host;
    std::wstring_view text;
  };
  const Case cases[] = {{L"pop.example.com", L"pop.example.com:995"},
                        {L"2001:db8::1", L"[2001:db8::1]:995"},
                        {L"", L":995"},
                        {L"[a]b", L"[[a]b]:995"},
                        {L" a", L"[ a]:995"}};
  for (const auto& c : cases) {
    EXPECT_EQ(ComposeServerAddress(c.host, 995), c.text);
    const ServerAddress again = SplitServerAddress(c.text);
    EXPECT_EQ(again.host, c.host) << std::wstring(c.text).c_str();
    EXPECT_EQ(again.port, 995);
    EXPECT_TRUE(again.portGiven);
  }
  EXPECT_FALSE(SplitServerAddress(L"[::1]").portGiven);
}

// Port 995 alone means implicit TLS; nothing else is ever tried securely.
TEST(ServerAddress, ChoosesTlsByPort995Only) {
  struct Case {
    std::wstring_view text;
    ConnectionSecurity security;
  };
  const Case cases[] = {
      {L"pop.example.com:995", ConnectionSecurity::kImplicitTls}, {L"[::1]:995", ConnectionSecurity::kImplicitTls},
      {L"pop.example.com:110", ConnectionSecurity::kPlain},       {L"pop.example.com:9950", ConnectionSecurity::kPlain},
      {L"pop.example.com:99", ConnectionSecurity::kPlain},        {L"pop.example.com", ConnectionSecurity::kPlain},
      {L"pop.example.com:995x", ConnectionSecurity::kPlain},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SecurityForPort(SplitServerAddress(c.text).port), c.security) << std::wstring(c.text).c_str();
  }
}

}  // namespace
}  // namespace pbw
