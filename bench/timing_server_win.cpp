#include "bench/timing_server_win.h"

#include <ws2tcpip.h>

#include <chrono>
#include <string>

namespace pbw::bench {
namespace {

using Clock = std::chrono::steady_clock;

bool SendText(SOCKET socket, const std::string& text) {
  return ::send(socket, text.data(), static_cast<int>(text.size()), 0) == static_cast<int>(text.size());
}

}  // namespace

TimingServer::TimingServer() {
  listener_.reset(::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP));
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = ::htonl(INADDR_LOOPBACK);
  int length = sizeof address;
  if (!listener_ || ::bind(listener_.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
      ::listen(listener_.get(), SOMAXCONN) != 0 ||
      ::getsockname(listener_.get(), reinterpret_cast<sockaddr*>(&address), &length) != 0)
    return;
  port_ = ::ntohs(address.sin_port);
  thread_ = std::thread([this] { Run(); });
}

TimingServer::~TimingServer() {
  stopping_ = true;
  // Both blocking calls of the server thread return once their sockets are shut.
  const SOCKET client = current_.load();
  if (client != INVALID_SOCKET) ::shutdown(client, SD_BOTH);
  listener_.reset();
  if (thread_.joinable()) thread_.join();
}

void TimingServer::Run() {
  while (!stopping_) {
    const SOCKET client = ::accept(listener_.get(), nullptr, nullptr);
    if (client == INVALID_SOCKET) return;
    current_ = client;
    Serve(client);
    current_ = INVALID_SOCKET;
    ::closesocket(client);
    {
      const std::lock_guard lock(mutex_);
      ++sessionsEnded_;
    }
    ended_.notify_all();
  }
}

void TimingServer::Serve(SOCKET client) {
  const auto accepted = Clock::now();
  const BOOL noDelay = TRUE;
  ::setsockopt(client, IPPROTO_TCP, TCP_NODELAY, reinterpret_cast<const char*>(&noDelay), sizeof noDelay);
  if (!SendText(client, "+OK bench server ready\r\n")) return;
  std::string pending;
  char buffer[512];
  for (;;) {
    const int received = ::recv(client, buffer, sizeof buffer, 0);
    if (received <= 0) return;  // the client has closed: the session is over
    pending.append(buffer, static_cast<std::size_t>(received));
    for (auto end = pending.find('\n'); end != std::string::npos; end = pending.find('\n')) {
      const bool list = pending.rfind("LIST", 0) == 0;
      // Like an old server it knows no CAPA, so the login follows in clear.
      const bool capa = pending.rfind("CAPA", 0) == 0;
      pending.erase(0, end + 1);
      if (!list) {
        SendText(client, capa ? "-ERR unknown command\r\n" : "+OK\r\n");
        continue;
      }
      SendText(client, "-ERR There's no message 1.\r\n");
      const double ms = std::chrono::duration<double, std::milli>(Clock::now() - accepted).count();
      const std::lock_guard lock(mutex_);
      times_.push_back(ms);
    }
  }
}

bool TimingServer::WaitForSessions(std::size_t count, DWORD limitMs) const {
  std::unique_lock lock(mutex_);
  return ended_.wait_for(lock, std::chrono::milliseconds(limitMs), [&] { return sessionsEnded_ >= count; });
}

std::vector<double> TimingServer::SessionTimes() const {
  const std::lock_guard lock(mutex_);
  return times_;
}

std::size_t TimingServer::SessionsEnded() const {
  const std::lock_guard lock(mutex_);
  return sessionsEnded_;
}

}  // namespace pbw::bench
