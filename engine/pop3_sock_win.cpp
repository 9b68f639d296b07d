#include "engine/pop3_sock_win.h"

#include <algorithm>
#include <array>
#include <climits>
#include <utility>

namespace pbw {
namespace {

constexpr UINT kResolvedMessage = WM_APP + 1;
constexpr UINT kReadAgainMessage = WM_APP + 2;
// Socket events of generation g arrive as message kFirstSocketMessage + g % kSocketMessageCount.
constexpr UINT kFirstSocketMessage = WM_APP + 0x100;
constexpr UINT kSocketMessageCount = 0x2000;
constexpr long kSocketEvents = FD_CONNECT | FD_READ | FD_WRITE | FD_CLOSE;

UINT SocketMessage(std::uint32_t generation) { return kFirstSocketMessage + generation % kSocketMessageCount; }

}  // namespace

Pop3Sock::Pop3Sock(DataArrivalHandler dataArrival)
    : dataArrival_(std::move(dataArrival)),
      window_([this](UINT message, WPARAM wParam, LPARAM lParam) { return OnMessage(message, wParam, lParam); }) {}

// Cancels a resolution under way before the window that would hear of it goes.
Pop3Sock::~Pop3Sock() { Close(); }

void Pop3Sock::Connect(const std::wstring& host, std::uint16_t port) {
  Close();
  if (host.empty() || !window_.get()) return;
  try {
    resolution_.emplace(host, port, window_.get(), kResolvedMessage, generation_);
    state_ = State::kResolving;
  } catch (...) {
    Disconnect();
  }
}

void Pop3Sock::SendData(std::string_view bytes) {
  if (state_ == State::kClosed) return;
  try {
    unsent_.append(bytes);
  } catch (...) {
    return Disconnect();
  }
  FlushUnsent();
}

std::string Pop3Sock::GetData() {
  std::string data = std::exchange(unread_, {});
  if (readPaused_) {
    readPaused_ = false;
    PostToSelf(kReadAgainMessage);
  }
  return data;
}

void Pop3Sock::Close() {
  Disconnect();
  unread_.clear();
}

void Pop3Sock::Disconnect() noexcept {
  ++generation_;  // whatever is still queued for the old connection is stale from now on
  resolution_.reset();
  socket_.reset();
  addresses_.clear();
  nextAddress_ = 0;
  unsent_.clear();
  readPaused_ = false;
  peerClosed_ = false;
  state_ = State::kClosed;
}

bool Pop3Sock::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept {
  const bool current = static_cast<std::uint32_t>(wParam) == generation_;
  try {
    if (message == kResolvedMessage) {
      if (current && state_ == State::kResolving) {
        addresses_ = resolution_->TakeAddresses();
        resolution_.reset();
        ConnectToNextAddress();
      }
      return true;
    }
    if (message == kReadAgainMessage) {
      if (current) ReadChunk();
      return true;
    }
    if (message >= kFirstSocketMessage && message < kFirstSocketMessage + kSocketMessageCount) {
      if (message == SocketMessage(generation_) && socket_ && static_cast<SOCKET>(wParam) == socket_.get()) {
        OnSocketEvent(WSAGETSELECTEVENT(lParam), WSAGETSELECTERROR(lParam));
      }
      return true;
    }
  } catch (...) {
    Disconnect();
    return true;
  }
  return false;
}

void Pop3Sock::OnSocketEvent(WORD event, WORD error) {
  switch (event) {
    case FD_CONNECT:
      return error == 0 ? OnConnected() : ConnectToNextAddress();
    case FD_WRITE:
      return FlushUnsent();
    case FD_READ:
      return ReadChunk();
    case FD_CLOSE:
      peerClosed_ = true;
      return ReadChunk();
    default:
      return;
  }
}

// Tries the resolved addresses in turn ("localhost" may give ::1 before 127.0.0.1).
void Pop3Sock::ConnectToNextAddress() {
  socket_.reset();
  while (nextAddress_ < addresses_.size()) {
    const ResolvedAddress& address = addresses_[nextAddress_++];
    // A new socket may get the handle value of the one just closed: give it a generation of its own.
    ++generation_;
    UniqueSocket candidate(::socket(address.Family(), SOCK_STREAM, IPPROTO_TCP));
    if (!candidate) continue;
    // Also makes the socket non-blocking.
    if (::WSAAsyncSelect(candidate.get(), window_.get(), SocketMessage(generation_), kSocketEvents) != 0) continue;
    if (::connect(candidate.get(), address.Get(), address.length) != 0 && ::WSAGetLastError() != WSAEWOULDBLOCK) {
      continue;
    }
    socket_ = std::move(candidate);
    state_ = State::kConnecting;
    return;
  }
  Disconnect();
}

void Pop3Sock::OnConnected() {
  state_ = State::kConnected;
  addresses_.clear();
  FlushUnsent();
}

void Pop3Sock::FlushUnsent() {
  if (state_ != State::kConnected) return;  // sent once the connection is up
  while (!unsent_.empty()) {
    const int length = static_cast<int>(std::min<std::size_t>(unsent_.size(), INT_MAX));
    const int sent = ::send(socket_.get(), unsent_.data(), length, 0);
    if (sent == SOCKET_ERROR) {
      // Would block: the rest goes out on FD_WRITE.
      if (::WSAGetLastError() != WSAEWOULDBLOCK) Disconnect();
      return;
    }
    unsent_.erase(0, static_cast<std::size_t>(sent));
  }
}

void Pop3Sock::ReadChunk() {
  if (state_ != State::kConnected) return;
  const std::size_t room = kUnreadLimitBytes - unread_.size();
  if (room == 0) {
    // Not reading lets TCP hold back the sender; GetData starts reading again.
    readPaused_ = true;
    return;
  }
  std::array<char, kReadChunkBytes> chunk;
  const int received = ::recv(socket_.get(), chunk.data(), static_cast<int>(std::min(room, chunk.size())), 0);
  if (received == 0) return Disconnect();
  if (received == SOCKET_ERROR) {
    if (::WSAGetLastError() != WSAEWOULDBLOCK) Disconnect();
    return;
  }
  unread_.append(chunk.data(), static_cast<std::size_t>(received));
  // After the server's close no further FD_READ comes: fetch the rest ourselves.
  if (peerClosed_) PostToSelf(kReadAgainMessage);
  // The handler may close or reconnect this socket: nothing of this connection is touched afterwards.
  dataArrival_(static_cast<std::int32_t>(unread_.size()));
}

void Pop3Sock::PostToSelf(UINT message) { ::PostMessageW(window_.get(), message, generation_, 0); }

}  // namespace pbw
