#include "bench/session_reports_win.h"

#include <cstdio>
#include <utility>

namespace pbw::bench {

SessionReports::SessionReports(std::uint16_t reportPort, DWORD limitMs) {
  UniqueSocket socket(::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP));
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = ::htons(reportPort);
  address.sin_addr.s_addr = ::htonl(INADDR_LOOPBACK);
  if (!socket ||
      ::setsockopt(socket.get(), SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&limitMs), sizeof limitMs) !=
          0 ||
      ::connect(socket.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0)
    return;
  socket_ = std::move(socket);
}

std::optional<SessionTimes> SessionReports::Next() {
  for (auto end = pending_.find('\n'); socket_; end = pending_.find('\n')) {
    if (end != std::string::npos) {
      SessionTimes times;
      const bool read = std::sscanf(pending_.c_str(), "%lf %lf", &times.toList, &times.toClose) == 2;
      pending_.erase(0, end + 1);
      return read ? std::optional(times) : std::nullopt;
    }
    char buffer[256];
    const int received = ::recv(socket_.get(), buffer, sizeof buffer, 0);
    if (received <= 0) return std::nullopt;
    pending_.append(buffer, static_cast<std::size_t>(received));
  }
  return std::nullopt;
}

}  // namespace pbw::bench
