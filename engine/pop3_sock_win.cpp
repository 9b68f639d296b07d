#include "engine/pop3_sock_win.h"

#include <algorithm>
#include <array>
#include <climits>
#include <utility>

#include "engine/international_host_win.h"

namespace pbw {
namespace {

constexpr UINT kResolvedMessage = WM_APP + 1;
constexpr UINT kReadAgainMessage = WM_APP + 2;
constexpr UINT kJudgedMessage = WM_APP + 3;
// Socket events of generation g arrive as message kFirstSocketMessage + g % kSocketMessageCount.
constexpr UINT kFirstSocketMessage = WM_APP + 0x100;
constexpr UINT kSocketMessageCount = 0x2000;
constexpr long kSocketEvents = FD_CONNECT | FD_READ | FD_WRITE | FD_CLOSE;

UINT SocketMessage(std::uint32_t generation) { return kFirstSocketMessage + generation % kSocketMessageCount; }

}  // namespace

Pop3Sock::Pop3Sock(DataArrivalHandler dataArrival, TlsReportHandler tlsReport)
    : dataArrival_(std::move(dataArrival)),
      tlsReport_(std::move(tlsReport)),
      window_([this](UINT message, WPARAM wParam, LPARAM lParam) { return OnMessage(message, wParam, lParam); }) {}

// Cancels a resolution under way before the window that would hear of it goes.
Pop3Sock::~Pop3Sock() { Close(); }

void Pop3Sock::Connect(const std::wstring& host, std::uint16_t port, ConnectionSecurity security) {
  Close();
  if (host.empty() || !window_.get()) return;
  try {
    // Looked up, sent as the server name and found on the certificate in its ASCII form.
    host_ = AsciiHostName(host);
    security_ = security;
    resolution_.emplace(host_, port, window_.get(), kResolvedMessage, generation_);
    state_ = State::kResolving;
  } catch (...) {
    Disconnect();
  }
}

void Pop3Sock::SendData(std::string_view bytes) {
  if (state_ == State::kClosed) return;
  try {
    if (!tls_ && security_ == ConnectionSecurity::kPlain) {
      unsent_.append(bytes);
    } else if (!tls_ || tls_->GetState() != TlsChannel::State::kEstablished) {
      unsentPlain_.append(bytes);
      return;
    } else if (const SECURITY_STATUS status = tls_->Encrypt(bytes, unsent_); status != SEC_E_OK) {
      return FailTls(TlsOutcome::kFailed, static_cast<std::uint32_t>(status));
    }
  } catch (...) {
    return Disconnect();
  }
  FlushUnsent();
}

void Pop3Sock::StartTls() {
  if (tls_) return;
  if (state_ != State::kConnected) return FailTls(TlsOutcome::kFailed, WSAENOTCONN);
  try {
    unread_.clear();
    // Reading may have paused for the bytes just dropped.
    if (std::exchange(readPaused_, false)) PostToSelf(kReadAgainMessage);
    BeginTls();
  } catch (...) {
    Disconnect();
  }
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
  judgement_.reset();
  socket_.reset();
  addresses_.clear();
  nextAddress_ = 0;
  unsent_.clear();
  unsentPlain_.clear();
  tls_.reset();
  security_ = ConnectionSecurity::kPlain;
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
    if (message == kJudgedMessage) {
      if (current && judgement_) OnJudged();
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
  if (security_ == ConnectionSecurity::kImplicitTls) return BeginTls();
  FlushUnsent();
}

void Pop3Sock::BeginTls() {
  tls_.emplace(host_);
  if (const SECURITY_STATUS status = tls_->Start(unsent_); status != SEC_E_OK) {
    return FailTls(TlsOutcome::kFailed, static_cast<std::uint32_t>(status));
  }
  // The server may have hung up already: its FD_CLOSE has been had.
  if (peerClosed_) PostToSelf(kReadAgainMessage);
  FlushUnsent();
}

void Pop3Sock::FlushUnsent() {
  if (state_ != State::kConnected) return;  // sent once the connection is up
  while (!unsent_.empty()) {
    const int length = static_cast<int>(std::min<std::size_t>(unsent_.size(), INT_MAX));
    const int sent = ::send(socket_.get(), unsent_.data(), length, 0);
    if (sent == SOCKET_ERROR) {
      // Would block: the rest goes out on FD_WRITE.
      const int error = ::WSAGetLastError();
      if (error == WSAEWOULDBLOCK) return;
      if (tls_ && tls_->GetState() == TlsChannel::State::kHandshaking) {
        return FailTls(TlsOutcome::kFailed, static_cast<std::uint32_t>(error));
      }
      return Disconnect();
    }
    unsent_.erase(0, static_cast<std::size_t>(sent));
  }
}

void Pop3Sock::ReadChunk() {
  if (state_ != State::kConnected) return;
  // Nothing more is read while the certificate is judged; the verdict starts reading again.
  if (judgement_) return;
  // Over TLS one record may take the unread data past the limit.
  if (unread_.size() >= kUnreadLimitBytes) {
    // Not reading lets TCP hold back the sender; GetData starts reading again.
    readPaused_ = true;
    return;
  }
  const std::size_t room = kUnreadLimitBytes - unread_.size();
  std::array<char, kReadChunkBytes> chunk{};
  const int received = ::recv(socket_.get(), chunk.data(), static_cast<int>(std::min(room, chunk.size())), 0);
  const bool handshaking = tls_ && tls_->GetState() == TlsChannel::State::kHandshaking;
  if (received == 0) {
    // A server that hangs up in the middle of the handshake has refused the secure connection.
    if (handshaking) return FailTls(TlsOutcome::kFailed, WSAECONNRESET);
    return Disconnect();
  }
  if (received == SOCKET_ERROR) {
    const int error = ::WSAGetLastError();
    if (error == WSAEWOULDBLOCK) return;
    if (handshaking) return FailTls(TlsOutcome::kFailed, static_cast<std::uint32_t>(error));
    return Disconnect();
  }
  if (tls_) return ReceiveSecure(std::string_view(chunk.data(), static_cast<std::size_t>(received)));
  unread_.append(chunk.data(), static_cast<std::size_t>(received));
  // After the server's close no further FD_READ comes: fetch the rest ourselves.
  if (peerClosed_) PostToSelf(kReadAgainMessage);
  // The handler may close or reconnect this socket: nothing of this connection is touched afterwards.
  dataArrival_(static_cast<std::int32_t>(unread_.size()));
}

void Pop3Sock::ReceiveSecure(std::string_view bytes) {
  std::string plain;
  const SECURITY_STATUS status = tls_->Receive(bytes, unsent_, plain);
  if (status != SEC_E_OK) return FailChannel(status);
  FlushUnsent();
  if (state_ != State::kConnected) return;
  if (tls_->GetState() == TlsChannel::State::kAwaitingTrust) {
    judgement_.emplace(tls_->RemoteCertificate(), host_, window_.get(), kJudgedMessage, generation_);
    return;
  }
  // Data given during a renegotiation goes out once it is over.
  if (!unsentPlain_.empty() && tls_->GetState() == TlsChannel::State::kEstablished) {
    if (const SECURITY_STATUS sealed = tls_->Encrypt(std::exchange(unsentPlain_, {}), unsent_); sealed != SEC_E_OK) {
      return FailTls(TlsOutcome::kFailed, static_cast<std::uint32_t>(sealed));
    }
    FlushUnsent();
    if (state_ != State::kConnected) return;
  }
  if (peerClosed_ && tls_->GetState() != TlsChannel::State::kClosed) PostToSelf(kReadAgainMessage);
  DeliverSecure(plain);
}

void Pop3Sock::OnJudged() {
  const CertificateJudgement judgement = judgement_->TakeJudgement().value_or(CertificateJudgement{});
  judgement_.reset();
  if (judgement.outcome != TlsOutcome::kEstablished) return FailTls(judgement.outcome, judgement.code);
  const UniqueCertificate certificate = tls_->RemoteCertificate();
  const std::uint32_t generation = generation_;
  tlsReport_({TlsOutcome::kEstablished,
              0,
              {TlsProtocolName(tls_->Protocol()), tls_->CipherName(), SubjectText(certificate.get()),
               IssuerText(certificate.get())}});
  // The owner may have closed or reconnected.
  if (generation != generation_) return;
  std::string plain;
  SECURITY_STATUS status = tls_->Trust(unsent_, plain);
  if (status == SEC_E_OK && tls_->GetState() == TlsChannel::State::kEstablished) {
    status = tls_->Encrypt(std::exchange(unsentPlain_, {}), unsent_);
  }
  if (status != SEC_E_OK) return FailChannel(status);
  FlushUnsent();
  if (state_ != State::kConnected) return;
  // Reading was held during the judgement.
  PostToSelf(kReadAgainMessage);
  DeliverSecure(plain);
}

void Pop3Sock::DeliverSecure(const std::string& plain) {
  const bool serverClosed = tls_->GetState() == TlsChannel::State::kClosed;
  const std::uint32_t generation = generation_;
  if (!plain.empty()) {
    unread_ += plain;
    dataArrival_(static_cast<std::int32_t>(unread_.size()));
  }
  // The server's close_notify: the connection ends as if TCP had closed; what was delivered stays.
  if (serverClosed && generation == generation_) Disconnect();
}

void Pop3Sock::FailTls(TlsOutcome outcome, std::uint32_t code) {
  Disconnect();
  tlsReport_({outcome, code, {}});
}

void Pop3Sock::FailChannel(SECURITY_STATUS status) {
  const bool changed = status == TlsChannel::kCertificateChanged;
  FailTls(changed ? TlsOutcome::kUntrustedCertificate : TlsOutcome::kFailed, static_cast<std::uint32_t>(status));
}

void Pop3Sock::PostToSelf(UINT message) { ::PostMessageW(window_.get(), message, generation_, 0); }

}  // namespace pbw
