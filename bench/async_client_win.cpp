// The baseline for one check: the smallest client driven by WSAAsyncSelect messages to a hidden
// window. Plays `count` sessions one after another against 127.0.0.1:<port>:
//   bench_async_client <port> <count> [event that starts each session]

#include <winsock2.h>
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "bench/pop3_client_script.h"

namespace {

constexpr UINT kSocketMessage = WM_APP + 1;

struct Client {
  const pbw::bench::SessionPacer* pacer = nullptr;
  unsigned short port = 0;
  int sessionsLeft = 0;
  SOCKET socket = INVALID_SOCKET;
  int step = 0;  // replies seen in this session
  std::string pending;
  HWND window = nullptr;

  void StartSession() {
    pacer->AwaitTurn();
    socket = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    ::WSAAsyncSelect(socket, window, kSocketMessage, FD_CONNECT | FD_READ | FD_CLOSE);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = ::htons(port);
    address.sin_addr.s_addr = ::htonl(INADDR_LOOPBACK);
    ::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address);  // completes as FD_CONNECT
    step = 0;
    pending.clear();
  }

  void EndSession() {
    ::closesocket(socket);
    socket = INVALID_SOCKET;
    if (--sessionsLeft > 0) return StartSession();
    ::PostQuitMessage(0);
  }

  void OnEvent(WPARAM wParam, LPARAM lParam) {
    if (static_cast<SOCKET>(wParam) != socket) return;  // an event of a socket already closed
    if (WSAGETSELECTERROR(lParam) != 0 || WSAGETSELECTEVENT(lParam) == FD_CLOSE) return EndSession();
    if (WSAGETSELECTEVENT(lParam) != FD_READ) return;
    char buffer[512];
    const int received = ::recv(socket, buffer, sizeof buffer, 0);
    if (received <= 0) return;
    pending.append(buffer, static_cast<std::size_t>(received));
    if (pending.find('\n') == std::string::npos) return;
    pending.clear();
    if (step == pbw::bench::kClientCommandCount) return EndSession();
    const char* command = pbw::bench::kClientCommands[step++];
    ::send(socket, command, static_cast<int>(std::strlen(command)), 0);
  }
};

Client client;

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kSocketMessage) {
    client.OnEvent(wParam, lParam);
    return 0;
  }
  return ::DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return 2;
  WSADATA data{};
  ::WSAStartup(MAKEWORD(2, 2), &data);
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = &Procedure;
  windowClass.hInstance = ::GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"PbwBenchAsyncClient";
  ::RegisterClassExW(&windowClass);
  client.window = ::CreateWindowExW(0, windowClass.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                    windowClass.hInstance, nullptr);
  const pbw::bench::SessionPacer pacer(argc, argv);
  client.pacer = &pacer;
  client.port = static_cast<unsigned short>(std::atoi(argv[1]));
  client.sessionsLeft = std::atoi(argv[2]);
  if (client.sessionsLeft <= 0) return 0;
  client.StartSession();
  MSG message;
  while (::GetMessageW(&message, nullptr, 0, 0) > 0) ::DispatchMessageW(&message);
  ::WSACleanup();
  return 0;
}
