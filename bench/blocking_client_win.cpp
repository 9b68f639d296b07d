// The second baseline for one check: the same session over a blocking socket, no window at all.
//   bench_blocking_client <port> <count> [event that starts each session]

#include <winsock2.h>
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "bench/pop3_client_script.h"

namespace {

// Reads until a line end arrives; false when the connection ends first.
bool AwaitLine(SOCKET socket) {
  std::string pending;
  char buffer[512];
  while (pending.find('\n') == std::string::npos) {
    const int received = ::recv(socket, buffer, sizeof buffer, 0);
    if (received <= 0) return false;
    pending.append(buffer, static_cast<std::size_t>(received));
  }
  return true;
}

void PlaySession(unsigned short port) {
  const SOCKET socket = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = ::htons(port);
  address.sin_addr.s_addr = ::htonl(INADDR_LOOPBACK);
  if (::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 && AwaitLine(socket)) {
    for (const char* command : pbw::bench::kClientCommands) {
      ::send(socket, command, static_cast<int>(std::strlen(command)), 0);
      if (!AwaitLine(socket)) break;
    }
  }
  ::closesocket(socket);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return 2;
  WSADATA data{};
  ::WSAStartup(MAKEWORD(2, 2), &data);
  const auto port = static_cast<unsigned short>(std::atoi(argv[1]));
  const pbw::bench::SessionPacer pacer(argc, argv);
  for (int i = std::atoi(argv[2]); i > 0; --i) {
    pacer.AwaitTurn();
    PlaySession(port);
  }
  ::WSACleanup();
  return 0;
}
