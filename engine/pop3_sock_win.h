#pragma once
// The TCP client of the check session. Everything it reports arrives on the thread that created it,
// as messages to the program's message window; nothing here ever waits for the network.
//
// Every socket gets a message number of its own (its mailbox is renewed), so nothing of a closed
// connection reaches the next one even though Winsock reuses socket handle values; the name look-up
// and the certificate judgement are background work that ends with the connection. Failures of the
// TCP connection (unknown host, refused connection, reset) close it quietly; the owner learns of
// them only by the silence. Failures of a TLS channel, the server's hang-up during its handshake
// included, are reported.
//
// The bytes received pass through ReadChunk into the unread buffer, the bytes to send through
// SendData into the unsent queue. With implicit TLS a TLS channel sits at both places: the handshake
// runs right after the TCP connection, and data given to SendData meanwhile waits for it. StartTls
// puts the same channel into a plain connection that is up; what the server sent in clear and was
// not taken is dropped, and nothing read in clear afterwards is ever delivered. The moment
// the handshake is done, the server's certificate is judged in the background; until it is accepted
// nothing of the server is decrypted or read, and nothing is sent. The outcome of the set-up, and a
// record that cannot be read, are reported through the TLS notification.

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
#include "engine/background_work_win.h"
#include "engine/certificate_check_win.h"
#include "engine/engine_ports.h"
#include "engine/host_resolution_win.h"
#include "engine/message_window_win.h"
#include "engine/tls_channel_win.h"
#include "engine/winsock_session_win.h"

namespace pbw {

class Pop3Sock final : public Pop3Socket {
 public:
  // The data notification; its argument is the number of bytes waiting to be taken.
  using DataArrivalHandler = std::function<void(std::int32_t bytesTotal)>;
  // The TLS notification: the channel is established (with its facts) or has failed.
  using TlsReportHandler = std::function<void(const TlsReport& report)>;

  // At most this much is read per notification of waiting data.
  static constexpr std::size_t kReadChunkBytes = 4096;
  // Reading stops while this much or more is waiting untaken; TCP flow control then holds the sender
  // back. (Over TLS the data of the one record that completes may go past it.)
  static constexpr std::size_t kUnreadLimitBytes = 16 * 1024;

  Pop3Sock(DataArrivalHandler dataArrival, TlsReportHandler tlsReport);
  ~Pop3Sock() override;
  Pop3Sock(const Pop3Sock&) = delete;
  Pop3Sock& operator=(const Pop3Sock&) = delete;

  // Returns at once: the name is resolved in the background, then each address tried in turn.
  void Connect(const std::wstring& host, std::uint16_t port, ConnectionSecurity security) override;
  // Sends all bytes, as soon as the connection (and its TLS channel) is up.
  void SendData(std::string_view bytes) override;
  void StartTls() override;
  std::string GetData() override;
  void Close() override;

 private:
  enum class State { kClosed, kResolving, kConnecting, kConnected };

  // Runs one step of the connection; one that throws (out of memory) ends the connection.
  template <typename Step>
  void Guarded(const Step& step) noexcept;
  void OnSocketMessage(WPARAM wParam, LPARAM lParam) noexcept;
  void OnSocketEvent(WORD event, WORD error);
  void OnResolved(std::vector<ResolvedAddress> addresses);
  void ConnectToNextAddress();
  void OnConnected();
  // Sets up the TLS channel on the connection that is up; its first message goes out at once.
  void BeginTls();
  void FlushUnsent();
  void ReadChunk();
  void ReceiveSecure(std::string_view bytes);
  void OnJudged(const CertificateJudgement& judgement);
  // Hands decrypted data to the owner; ends the connection after the server's close_notify.
  void DeliverSecure(const std::string& plain);
  void FailTls(TlsOutcome outcome, std::uint32_t code);
  // The channel's failure: a certificate other than the accepted one is untrusted, all else a failure.
  void FailChannel(SECURITY_STATUS status);
  // Reading goes on with a notification of waiting data of its own.
  void ReadAgain();
  // Ends the connection quietly; bytes already announced stay until taken.
  void Disconnect() noexcept;

  const WinsockSession winsock_;
  DataArrivalHandler dataArrival_;
  TlsReportHandler tlsReport_;
  std::wstring host_;
  ConnectionSecurity security_ = ConnectionSecurity::kPlain;
  std::optional<TlsChannel> tls_;
  // Data given to SendData before the TLS channel is established.
  std::string unsentPlain_;
  State state_ = State::kClosed;
  BackgroundWork<std::vector<ResolvedAddress>> resolution_;
  BackgroundWork<CertificateJudgement> judgement_;
  std::vector<ResolvedAddress> addresses_;
  std::size_t nextAddress_ = 0;
  UniqueSocket socket_;
  std::string unsent_;
  std::string unread_;
  bool readPaused_ = false;
  bool peerClosed_ = false;
  // The current socket's notifications.
  Mailbox events_;
};

}  // namespace pbw
