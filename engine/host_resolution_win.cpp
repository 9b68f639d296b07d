#include "engine/host_resolution_win.h"

#include <cstring>
#include <memory>

#include "common/unique_handle_win.h"
#include "engine/winsock_session_win.h"

namespace pbw {

std::vector<ResolvedAddress> ResolveHost(const std::wstring& host, std::uint16_t port) {
  // The worker may outlive the component that started it, so it keeps Winsock up itself.
  const WinsockSession winsock;
  ADDRINFOW hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  hints.ai_protocol = IPPROTO_TCP;
  ADDRINFOW* first = nullptr;
  if (::GetAddrInfoW(host.c_str(), std::to_wstring(port).c_str(), &hints, &first) != 0) return {};
  const std::unique_ptr<ADDRINFOW, AddressListDeleter> list(first);

  std::vector<ResolvedAddress> found;
  for (const ADDRINFOW* entry = list.get(); entry; entry = entry->ai_next) {
    if (entry->ai_family != AF_INET && entry->ai_family != AF_INET6) continue;
    ResolvedAddress address;
    if (entry->ai_addrlen > sizeof address.address) continue;
    std::memcpy(&address.address, entry->ai_addr, entry->ai_addrlen);
    address.length = static_cast<int>(entry->ai_addrlen);
    found.push_back(address);
  }
  return found;
}

}  // namespace pbw
