#pragma once
// Name resolution away from the user-interface thread: GetAddrInfoW may wait for the network.

#include <winsock2.h>
#include <ws2tcpip.h>
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace pbw {

struct ResolvedAddress {
  sockaddr_storage address{};
  int length = 0;

  int Family() const { return address.ss_family; }
  const sockaddr* Get() const { return reinterpret_cast<const sockaddr*>(&address); }
};

struct ResolutionState;

// Resolves a host name (IPv6 and IPv4) on a worker thread of its own, started by the constructor.
// When done, the worker posts `message` with `tag` as its WPARAM to `target`. Destroying this object
// cancels that message; the worker then finishes alone and frees what it shared with it.
class BackgroundResolution {
 public:
  // Throws when no worker thread can be started.
  BackgroundResolution(const std::wstring& host, std::uint16_t port, HWND target, UINT message, WPARAM tag);
  ~BackgroundResolution();
  BackgroundResolution(const BackgroundResolution&) = delete;
  BackgroundResolution& operator=(const BackgroundResolution&) = delete;

  // The addresses in the resolver's order, once the message has arrived; empty when the name is unknown.
  std::vector<ResolvedAddress> TakeAddresses();

 private:
  std::shared_ptr<ResolutionState> shared_;
};

}  // namespace pbw
