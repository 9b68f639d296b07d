#include "engine/host_resolution_win.h"

#include <cstring>
#include <mutex>
#include <thread>

#include "common/unique_handle_win.h"
#include "engine/winsock_session_win.h"

namespace pbw {

// Shared by the owner and the worker; the last of the two frees it.
struct ResolutionState {
  std::mutex mutex;
  HWND target = nullptr;  // null once the owner has gone
  UINT message = 0;
  WPARAM tag = 0;
  std::vector<ResolvedAddress> addresses;
};

namespace {

std::vector<ResolvedAddress> LookUp(const std::wstring& host, const std::wstring& service) {
  ADDRINFOW hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  hints.ai_protocol = IPPROTO_TCP;
  ADDRINFOW* first = nullptr;
  if (::GetAddrInfoW(host.c_str(), service.c_str(), &hints, &first) != 0) return {};
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

void Resolve(const std::shared_ptr<ResolutionState>& shared, const std::wstring& host,
             const std::wstring& service) noexcept {
  try {
    // The worker may outlive the component that started it, so it keeps Winsock up itself.
    const WinsockSession winsock;
    std::vector<ResolvedAddress> found = LookUp(host, service);
    const std::lock_guard lock(shared->mutex);
    shared->addresses = std::move(found);
    if (shared->target) ::PostMessageW(shared->target, shared->message, shared->tag, 0);
  } catch (...) {
    // Out of memory: no message; the owner's session ends through its watchdog.
  }
}

}  // namespace

BackgroundResolution::BackgroundResolution(const std::wstring& host, std::uint16_t port, HWND target, UINT message,
                                           WPARAM tag)
    : shared_(std::make_shared<ResolutionState>()) {
  shared_->target = target;
  shared_->message = message;
  shared_->tag = tag;
  std::thread(Resolve, shared_, host, std::to_wstring(port)).detach();
}

BackgroundResolution::~BackgroundResolution() {
  const std::lock_guard lock(shared_->mutex);
  shared_->target = nullptr;
}

std::vector<ResolvedAddress> BackgroundResolution::TakeAddresses() {
  const std::lock_guard lock(shared_->mutex);
  return std::move(shared_->addresses);
}

}  // namespace pbw
