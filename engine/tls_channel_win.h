#pragma once
// The client side of one TLS connection through Schannel, without any socket: bytes from the network
// go in, bytes for the network and decrypted data come out. The caller moves the bytes, so nothing
// here ever waits. The server's certificate is not judged here (manual validation): see
// certificate_check_win.h.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "engine/crypt_handles_win.h"
#include "engine/schannel_context_win.h"

namespace pbw {

// Client credentials allowing TLS 1.2 and newer only.
class TlsCredentials {
 public:
  enum class Form { kSchCredentials, kSchannelCred };

  // The newer form where the system knows it (it alone offers TLS 1.3), otherwise the older one.
  static SECURITY_STATUS Acquire(UniqueCredentials& credentials);
  static SECURITY_STATUS AcquireAs(Form form, UniqueCredentials& credentials);
};

class TlsChannel {
 public:
  // kAwaitingTrust: the first handshake is done, the server's certificate not yet accepted. Nothing
  // of the server is decrypted and nothing encrypted until Trust().
  enum class State { kHandshaking, kAwaitingTrust, kEstablished, kClosed, kFailed };

  // While the certificate is judged, at most this much of what arrives is held; more fails the channel.
  static constexpr std::size_t kMaxHeldBytes = 64 * 1024;
  // A later handshake presented a certificate other than the accepted one.
  static constexpr SECURITY_STATUS kCertificateChanged = SEC_E_CERT_UNKNOWN;
  static constexpr SECURITY_STATUS kTooMuchHeld = SEC_E_INSUFFICIENT_MEMORY;

  // `host` is sent as the server name (SNI).
  explicit TlsChannel(std::wstring host, std::unique_ptr<SchannelContextCalls> context = SystemSchannelContext())
      : host_(std::move(host)), context_(std::move(context)) {}

  // Begins the handshake: its first message is appended to `toSend`.
  SECURITY_STATUS Start(std::string& toSend);
  // Takes bytes from the network. Handshake messages are appended to `toSend`, decrypted application
  // data to `plain`. A failure code means the channel is unusable.
  SECURITY_STATUS Receive(std::string_view bytes, std::string& toSend, std::string& plain);
  // The certificate is accepted: decrypts what has arrived since the handshake (also data that came
  // together with its last message), as Receive does. A later handshake must present the same one.
  SECURITY_STATUS Trust(std::string& toSend, std::string& plain);
  // Appends the records carrying `plain` to `toSend`; only once established.
  SECURITY_STATUS Encrypt(std::string_view plain, std::string& toSend);

  State GetState() const { return state_; }
  // Once the handshake is done: the certificate the server presented (with the other certificates it sent in
  // its store), the protocol bits (SP_PROT_*) and the cipher suite's name.
  UniqueCertificate RemoteCertificate();
  std::uint32_t Protocol();
  std::wstring CipherName();

 private:
  SECURITY_STATUS Handshake(std::string& toSend, bool evenWithoutInput);
  SECURITY_STATUS DecryptAll(std::string& toSend, std::string& plain);
  SECURITY_STATUS Fail(SECURITY_STATUS status);

  std::wstring host_;
  UniqueCredentials credentials_;
  std::unique_ptr<SchannelContextCalls> context_;
  UniqueCertificate accepted_;
  State state_ = State::kHandshaking;
  bool withoutClientCertificate_ = false;
  SecPkgContext_StreamSizes sizes_{};
  // Received bytes not yet consumed: a partial handshake message or record.
  std::string incoming_;
};

}  // namespace pbw
