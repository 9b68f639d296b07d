#include "engine/host_resolution_win.h"

#include <gtest/gtest.h>

namespace pbw {
namespace {

// An IPv4 text is connected to only in the form the certificate check reads as the same address.
TEST(ResolveHost, AnIpv4AddressCountsOnlyAsFourPlainDecimalNumbers) {
  struct Case {
    const wchar_t* host;
    bool resolves;
  };
  const Case cases[] = {{L"127.0.0.1", true},   {L"::1", true},    {L"010.0.0.1", false},
                        {L"127.0.0.01", false}, {L"127.1", false}, {L"0x7f.0.0.1", false}};
  for (const Case& c : cases) {
    const std::vector<ResolvedAddress> addresses = ResolveHost(c.host, 110);
    ASSERT_EQ(addresses.size(), c.resolves ? 1u : 0u) << c.host;
  }
  const std::vector<ResolvedAddress> loopback = ResolveHost(L"127.0.0.1", 110);
  const auto* ipv4 = reinterpret_cast<const sockaddr_in*>(loopback.front().Get());
  EXPECT_EQ(ntohl(ipv4->sin_addr.s_addr), 0x7F000001u);
}

}  // namespace
}  // namespace pbw
