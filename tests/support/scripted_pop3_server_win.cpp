#include "tests/support/scripted_pop3_server_win.h"

#include <ws2tcpip.h>

#include <array>

namespace pbw::testing {
namespace {

UniqueSocket BoundToLoopback(ScriptedPop3Server::Loopback loopback, std::uint16_t port) {
  sockaddr_storage address{};
  int length = 0;
  if (loopback == ScriptedPop3Server::Loopback::kIPv4) {
    auto& v4 = reinterpret_cast<sockaddr_in&>(address);
    v4.sin_family = AF_INET;
    v4.sin_addr.s_addr = ::htonl(INADDR_LOOPBACK);
    v4.sin_port = ::htons(port);
    length = sizeof v4;
  } else {
    auto& v6 = reinterpret_cast<sockaddr_in6&>(address);
    v6.sin6_family = AF_INET6;
    v6.sin6_addr = in6addr_loopback;
    v6.sin6_port = ::htons(port);
    length = sizeof v6;
  }
  UniqueSocket bound(::socket(address.ss_family, SOCK_STREAM, IPPROTO_TCP));
  if (!bound || ::bind(bound.get(), reinterpret_cast<const sockaddr*>(&address), length) != 0) return {};
  return bound;
}

UniqueSocket ListenOnLoopback(ScriptedPop3Server::Loopback loopback, std::uint16_t port) {
  UniqueSocket listener = BoundToLoopback(loopback, port);
  if (!listener || ::listen(listener.get(), 1) != 0) return {};
  return listener;
}

std::uint16_t LocalPort(SOCKET socket) {
  sockaddr_storage address{};
  int length = sizeof address;
  if (::getsockname(socket, reinterpret_cast<sockaddr*>(&address), &length) != 0) return 0;
  return ::ntohs(address.ss_family == AF_INET ? reinterpret_cast<const sockaddr_in&>(address).sin_port
                                              : reinterpret_cast<const sockaddr_in6&>(address).sin6_port);
}

UniqueKernelHandle ManualResetEvent() { return UniqueKernelHandle(::CreateEventW(nullptr, TRUE, FALSE, nullptr)); }

}  // namespace

RefusingPort::RefusingPort() : socket_(BoundToLoopback(ScriptedPop3Server::Loopback::kIPv4, 0)) {
  if (socket_) port_ = LocalPort(socket_.get());
}

ScriptedPop3Server::ScriptedPop3Server(std::vector<Step> script, Loopback loopback, std::uint16_t port)
    : listener_(ListenOnLoopback(loopback, port)),
      stop_(ManualResetEvent()),
      proceed_(::CreateSemaphoreW(nullptr, 0, 1000, nullptr)) {
  if (!listener_) return;
  port_ = LocalPort(listener_.get());
  thread_ = std::thread(&ScriptedPop3Server::Run, this, std::move(script));
}

ScriptedPop3Server::~ScriptedPop3Server() {
  ::SetEvent(stop_.get());
  if (thread_.joinable()) thread_.join();
}

std::string ScriptedPop3Server::Received() const {
  const std::lock_guard lock(mutex_);
  return received_;
}

void ScriptedPop3Server::Record(const std::string& bytes) {
  const std::lock_guard lock(mutex_);
  received_ += bytes;
}

bool ScriptedPop3Server::AwaitEvent(SOCKET socket, HANDLE event) {
  const std::array<HANDLE, 2> handles = {stop_.get(), event};
  if (::WaitForMultipleObjects(2, handles.data(), FALSE, INFINITE) != WAIT_OBJECT_0 + 1) return false;
  WSANETWORKEVENTS events{};
  ::WSAEnumNetworkEvents(socket, event, &events);
  return true;
}

void ScriptedPop3Server::Run(const std::vector<Step>& script) {
  const UniqueKernelHandle listenEvent = ManualResetEvent();
  ::WSAEventSelect(listener_.get(), listenEvent.get(), FD_ACCEPT);
  UniqueSocket client;
  while (!(client = UniqueSocket(::accept(listener_.get(), nullptr, nullptr)))) {
    if (::WSAGetLastError() != WSAEWOULDBLOCK || !AwaitEvent(listener_.get(), listenEvent.get())) {
      finished_ = true;
      return;
    }
  }
  accepted_ = true;
  clientEvent_ = ManualResetEvent();
  ::WSAEventSelect(client.get(), clientEvent_.get(), FD_READ | FD_WRITE | FD_CLOSE);

  std::string pending;
  bool open = true;
  for (const Step& step : script) {
    if (!(open = Play(client, step, pending))) break;
  }
  finished_ = true;
  // Like a real server, it keeps the connection until the client closes it.
  while (open && ReadMore(client.get(), pending)) pending.clear();
}

bool ScriptedPop3Server::Play(UniqueSocket& client, const Step& step, std::string& pending) {
  switch (step.kind) {
    case Step::Kind::kSend:
      return SendAll(client.get(), step.bytes);
    case Step::Kind::kExpectLine: {
      std::size_t end = 0;
      while ((end = pending.find('\n')) == std::string::npos) {
        if (!ReadMore(client.get(), pending)) return false;
      }
      const std::string line = pending.substr(0, end + 1);
      pending.erase(0, end + 1);
      return line == step.bytes;
    }
    case Step::Kind::kPause: {
      const std::array<HANDLE, 2> handles = {stop_.get(), proceed_.get()};
      return ::WaitForMultipleObjects(2, handles.data(), FALSE, INFINITE) == WAIT_OBJECT_0 + 1;
    }
    case Step::Kind::kStaySilent:
      while (ReadMore(client.get(), pending)) pending.clear();
      return false;
    case Step::Kind::kReset: {
      const linger abort{1, 0};
      ::setsockopt(client.get(), SOL_SOCKET, SO_LINGER, reinterpret_cast<const char*>(&abort), sizeof abort);
      client.reset();
      return false;
    }
    case Step::Kind::kClose:
      client.reset();
      return false;
  }
  return false;
}

bool ScriptedPop3Server::SendAll(SOCKET client, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const int sent = ::send(client, bytes.data() + done, static_cast<int>(bytes.size() - done), 0);
    if (sent > 0) {
      done += static_cast<std::size_t>(sent);
    } else if (::WSAGetLastError() != WSAEWOULDBLOCK || !AwaitEvent(client, clientEvent_.get())) {
      return false;
    }
  }
  return true;
}

bool ScriptedPop3Server::ReadMore(SOCKET client, std::string& pending) {
  std::array<char, 4096> chunk{};
  for (;;) {
    const int received = ::recv(client, chunk.data(), static_cast<int>(chunk.size()), 0);
    if (received > 0) {
      const std::string bytes(chunk.data(), static_cast<std::size_t>(received));
      Record(bytes);
      pending += bytes;
      return true;
    }
    if (received == 0 || ::WSAGetLastError() != WSAEWOULDBLOCK || !AwaitEvent(client, clientEvent_.get())) {
      return false;
    }
  }
}

}  // namespace pbw::testing
