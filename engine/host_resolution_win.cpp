#include "engine/host_resolution_win.h"

#include <cstring>
#include <memory>

#include "common/text_helpers.h"
#include "common/unique_handle_win.h"
#include "engine/certificate_names.h"
#include "engine/winsock_session_win.h"

namespace pbw {
namespace {

// The system reads more texts as IPv4 addresses than the plain dotted form: "010.0.0.1" in octal
// (8.0.0.1), "127.1", "0x7f.0.0.1". The certificate check reads only the plain form and takes the
// others for names, so they are refused: the address connected to is always the one checked.
bool IsOtherIpv4Form(const std::wstring& host) {
  ADDRINFOW hints{};
  hints.ai_family = AF_INET;
  hints.ai_flags = AI_NUMERICHOST;
  ADDRINFOW* first = nullptr;
  if (::GetAddrInfoW(host.c_str(), nullptr, &hints, &first) != 0) return false;
  const std::unique_ptr<ADDRINFOW, AddressListDeleter> list(first);
  return !ParseIpAddress(host);
}

}  // namespace

std::vector<ResolvedAddress> ResolveHost(const std::wstring& host, std::uint16_t port) {
  // The worker may outlive the component that started it, so it keeps Winsock up itself.
  const WinsockSession winsock;
  if (IsOtherIpv4Form(host)) return {};
  ADDRINFOW hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  hints.ai_protocol = IPPROTO_TCP;
  ADDRINFOW* first = nullptr;
  if (::GetAddrInfoW(host.c_str(), DecimalText(port).c_str(), &hints, &first) != 0) return {};
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
