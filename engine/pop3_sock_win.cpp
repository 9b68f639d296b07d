#include "engine/pop3_sock_win.h"

#include <algorithm>
#include <array>
#include <climits>
#include <memory>
#include <utility>

#include "engine/international_host_win.h"

namespace pbw {
namespace {

constexpr long kSocketEvents = FD_CONNECT | FD_READ | FD_WRITE | FD_CLOSE;

}  // namespace

Pop3Sock::Pop3Sock(DataArrivalHandler dataArrival, TlsReportHandler tlsReport)
    : dataArrival_(std::move(dataArrival)),
      tlsReport_(std::move(tlsReport)),
      resolution_(
          [this](std::vector<ResolvedAddress> addresses) { Guarded([&] { OnResolved(std::move(addresses)); }); }),
      judgement_([this](CertificateJudgement judgement) { Guarded([&] { OnJudged(judgement); }); }),
      events_([this](WPARAM wParam, LPARAM lParam) { OnSocketMessage(wParam, lParam); }) {}

// Nothing of the connection reaches the members that are going.
Pop3Sock::~Pop3Sock() { Close(); }

void Pop3Sock::Connect(const std::wstring& host, std::uint16_t port, ConnectionSecurity security) {
  Close();
  if (host.empty()) return;
  try {
    // Looked up, sent as the server name and found on the certificate in its ASCII form.
    host_ = AsciiHostName(host);
    security_ = security;
    if (!resolution_.Start([host = host_, port] { return ResolveHost(host, port); })) return Disconnect();
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
    if (std::exchange(readPaused_, false)) ReadAgain();
    BeginTls();
  } catch (...) {
    Disconnect();
  }
}

std::string Pop3Sock::GetData() {
  std::string data = std::exchange(unread_, {});
  if (readPaused_) {
    readPaused_ = false;
    ReadAgain();
  }
  return data;
}

void Pop3Sock::Close() {
  Disconnect();
  unread_.clear();
}

void Pop3Sock::Disconnect() noexcept {
  events_.Renew();  // whatever is still queued for the old connection is stale from now on
  resolution_.Cancel();
  judgement_.Cancel();
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

template <typename Step>
void Pop3Sock::Guarded(const Step& step) noexcept {
  try {
    step();
  } catch (...) {
    Disconnect();
  }
}

void Pop3Sock::OnSocketMessage(WPARAM wParam, LPARAM lParam) noexcept {
  if (!socket_ || static_cast<SOCKET>(wParam) != socket_.get()) return;
  Guarded([&] { OnSocketEvent(WSAGETSELECTEVENT(lParam), WSAGETSELECTERROR(lParam)); });
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

void Pop3Sock::OnResolved(std::vector<ResolvedAddress> addresses) {
  addresses_ = std::move(addresses);
  ConnectToNextAddress();
}

// Tries the resolved addresses in turn ("localhost" may give ::1 before 127.0.0.1).
void Pop3Sock::ConnectToNextAddress() {
  socket_.reset();
  while (nextAddress_ < addresses_.size()) {
    const ResolvedAddress& address = addresses_[nextAddress_++];
    // A new socket may get the handle value of the one just closed: give it a message number of its own.
    events_.Renew();
    UniqueSocket candidate(::socket(address.Family(), SOCK_STREAM, IPPROTO_TCP));
    if (!candidate) continue;
    // Also makes the socket non-blocking.
    if (::WSAAsyncSelect(candidate.get(), events_.Window(), events_.Message(), kSocketEvents) != 0) continue;
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
  if (peerClosed_) ReadAgain();
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
  if (judgement_.Running()) return;
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
  if (peerClosed_) ReadAgain();
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
    // Judged in the background: even reading the system's trusted roots for the first time takes a
    // noticeable while. The work is copied; the certificate it holds is not.
    auto certificate = std::make_shared<UniqueCertificate>(tls_->RemoteCertificate());
    if (!judgement_.Start([certificate, host = host_] { return CheckServerCertificate(certificate->get(), host); })) {
      Disconnect();
    }
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
  if (peerClosed_ && tls_->GetState() != TlsChannel::State::kClosed) ReadAgain();
  DeliverSecure(plain);
}

void Pop3Sock::OnJudged(const CertificateJudgement& judgement) {
  if (judgement.outcome != TlsOutcome::kEstablished) return FailTls(judgement.outcome, judgement.code);
  const UniqueCertificate certificate = tls_->RemoteCertificate();
  tlsReport_({TlsOutcome::kEstablished,
              0,
              {TlsProtocolName(tls_->Protocol()), tls_->CipherName(), SubjectText(certificate.get()),
               IssuerText(certificate.get())}});
  // The owner may have closed or reconnected (a new connection is still resolving then).
  if (state_ != State::kConnected) return;
  std::string plain;
  SECURITY_STATUS status = tls_->Trust(unsent_, plain);
  if (status == SEC_E_OK && tls_->GetState() == TlsChannel::State::kEstablished) {
    status = tls_->Encrypt(std::exchange(unsentPlain_, {}), unsent_);
  }
  if (status != SEC_E_OK) return FailChannel(status);
  FlushUnsent();
  if (state_ != State::kConnected) return;
  // Reading was held during the judgement.
  ReadAgain();
  DeliverSecure(plain);
}

void Pop3Sock::DeliverSecure(const std::string& plain) {
  const bool serverClosed = tls_->GetState() == TlsChannel::State::kClosed;
  if (!plain.empty()) {
    unread_ += plain;
    dataArrival_(static_cast<std::int32_t>(unread_.size()));
  }
  // The server's close_notify: the connection ends as if TCP had closed; what was delivered stays.
  // (The owner may have closed or reconnected meanwhile.)
  if (serverClosed && state_ == State::kConnected) Disconnect();
}

void Pop3Sock::FailTls(TlsOutcome outcome, std::uint32_t code) {
  Disconnect();
  tlsReport_({outcome, code, {}});
}

void Pop3Sock::FailChannel(SECURITY_STATUS status) {
  const bool changed = status == TlsChannel::kCertificateChanged;
  FailTls(changed ? TlsOutcome::kUntrustedCertificate : TlsOutcome::kFailed, static_cast<std::uint32_t>(status));
}

void Pop3Sock::ReadAgain() { events_.Post(static_cast<WPARAM>(socket_.get()), WSAMAKESELECTREPLY(FD_READ, 0)); }

}  // namespace pbw
