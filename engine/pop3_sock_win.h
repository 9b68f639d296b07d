#pragma once
// The TCP client of the check session. Everything it reports arrives on the thread that created it,
// as window messages to a hidden window of its own; nothing here ever waits for the network.
//
// A connection is tagged with a generation number that every message of it carries (the socket
// events in their message number), so nothing of a closed connection reaches the next one even
// though Winsock reuses socket handle values. Failures (unknown host, refused connection, reset)
// close it quietly; the owner learns of them only by the silence.
//
// The bytes received pass through ReadChunk into the unread buffer, the bytes to send through
// SendData into the unsent queue: the two places where an encrypting layer would sit.

#include <winsock2.h>
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/unique_handle_win.h"
#include "engine/engine_ports.h"
#include "engine/host_resolution_win.h"
#include "engine/message_window_win.h"
#include "engine/winsock_session_win.h"

namespace pbw {

class Pop3Sock final : public Pop3Socket {
 public:
  // The data notification; its argument is the number of bytes waiting to be taken.
  using DataArrivalHandler = std::function<void(std::int32_t bytesTotal)>;

  // At most this much is read per notification of waiting data.
  static constexpr std::size_t kReadChunkBytes = 4096;
  // Reading stops while this much is waiting untaken; TCP flow control then holds the sender back.
  static constexpr std::size_t kUnreadLimitBytes = 16 * 1024;

  explicit Pop3Sock(DataArrivalHandler dataArrival);
  ~Pop3Sock() override;
  Pop3Sock(const Pop3Sock&) = delete;
  Pop3Sock& operator=(const Pop3Sock&) = delete;

  // Returns at once: the name is resolved in the background, then each address tried in turn.
  void Connect(const std::wstring& host, std::uint16_t port) override;
  // Sends all bytes, as soon as the connection is up.
  void SendData(std::string_view bytes) override;
  std::string GetData() override;
  void Close() override;

 private:
  enum class State { kClosed, kResolving, kConnecting, kConnected };

  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept;
  void OnSocketEvent(WORD event, WORD error);
  void ConnectToNextAddress();
  void OnConnected();
  void FlushUnsent();
  void ReadChunk();
  void PostToSelf(UINT message);
  // Ends the connection quietly; bytes already announced stay until taken.
  void Disconnect() noexcept;

  const WinsockSession winsock_;
  DataArrivalHandler dataArrival_;
  std::uint32_t generation_ = 0;
  State state_ = State::kClosed;
  std::optional<BackgroundResolution> resolution_;
  std::vector<ResolvedAddress> addresses_;
  std::size_t nextAddress_ = 0;
  UniqueSocket socket_;
  std::string unsent_;
  std::string unread_;
  bool readPaused_ = false;
  bool peerClosed_ = false;
  MessageWindow window_;
};

}  // namespace pbw
