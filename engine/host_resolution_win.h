#pragma once
// Name resolution away from the user-interface thread: GetAddrInfoW may wait for the network.

#include <winsock2.h>
#include <ws2tcpip.h>
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace pbw {

struct ResolvedAddress {
  sockaddr_storage address{};
  int length = 0;

  int Family() const { return address.ss_family; }
  const sockaddr* Get() const { return reinterpret_cast<const sockaddr*>(&address); }
};

// The addresses of a host name (IPv6 and IPv4) in the resolver's order; empty when the name is
// unknown or an IPv4 address not written as four plain decimal numbers ("010.0.0.1", "127.1").
std::vector<ResolvedAddress> ResolveHost(const std::wstring& host, std::uint16_t port);

}  // namespace pbw
