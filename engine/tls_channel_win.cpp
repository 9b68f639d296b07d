#include "engine/tls_channel_win.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "engine/schannel_credentials_win.h"

namespace pbw {
namespace {

constexpr DWORD kCredentialFlags = SCH_CRED_MANUAL_CRED_VALIDATION | SCH_CRED_NO_DEFAULT_CREDS | SCH_USE_STRONG_CRYPTO;

wchar_t* SchannelName() {
  static wchar_t name[] = UNISP_NAME_W;
  return name;
}

SECURITY_STATUS AcquireWith(void* authData, UniqueCredentials& credentials) {
  TimeStamp expiry{};
  const SECURITY_STATUS status = ::AcquireCredentialsHandleW(nullptr, SchannelName(), SECPKG_CRED_OUTBOUND, nullptr,
                                                             authData, nullptr, nullptr, credentials.put(), &expiry);
  if (status == SEC_E_OK) credentials.Adopt();
  return status;
}

// A token that Schannel allocated: appended, then given back.
void TakeToken(SchannelContextCalls& context, SecBuffer& token, std::string& toSend) {
  if (!token.pvBuffer) return;
  toSend.append(static_cast<const char*>(token.pvBuffer), token.cbBuffer);
  context.FreeBuffer(token.pvBuffer);
  token.pvBuffer = nullptr;
}

bool SameCertificate(PCCERT_CONTEXT a, PCCERT_CONTEXT b) {
  return a && b && ::CertCompareCertificate(X509_ASN_ENCODING, a->pCertInfo, b->pCertInfo);
}

SecBuffer Buffer(unsigned long type, void* data = nullptr, std::size_t size = 0) {
  return SecBuffer{static_cast<unsigned long>(size), type, data};
}

// Every TLS record begins with its content type, 20 to 23. Anything else is no TLS server (a plain
// POP3 greeting, say); some Schannel versions would wait for the rest of a record that never comes.
bool BeginsLikeATlsRecord(std::string_view bytes) {
  const auto type = static_cast<unsigned char>(bytes.front());
  return type >= 20 && type <= 23;
}

}  // namespace

SECURITY_STATUS TlsCredentials::Acquire(UniqueCredentials& credentials) {
  const SECURITY_STATUS status = AcquireAs(Form::kSchCredentials, credentials);
  return status == SEC_E_OK ? status : AcquireAs(Form::kSchannelCred, credentials);
}

SECURITY_STATUS TlsCredentials::AcquireAs(Form form, UniqueCredentials& credentials) {
  if (form == Form::kSchCredentials) {
    TlsParameters parameters{};
    parameters.grbitDisabledProtocols = ~static_cast<DWORD>(SP_PROT_TLS1_2_CLIENT | SP_PROT_TLS1_3_CLIENT);
    SchCredentials data{};
    data.dwVersion = SCH_CREDENTIALS_VERSION;
    data.dwFlags = kCredentialFlags;
    data.cTlsParameters = 1;
    data.pTlsParameters = &parameters;
    return AcquireWith(&data, credentials);
  }
  SCHANNEL_CRED data{};
  data.dwVersion = SCHANNEL_CRED_VERSION;
  data.grbitEnabledProtocols = SP_PROT_TLS1_2_CLIENT;
  data.dwFlags = kCredentialFlags;
  return AcquireWith(&data, credentials);
}

SECURITY_STATUS TlsChannel::Fail(SECURITY_STATUS status) {
  state_ = State::kFailed;
  return status;
}

SECURITY_STATUS TlsChannel::Start(std::string& toSend) {
  SECURITY_STATUS status = TlsCredentials::Acquire(credentials_);
  if (status != SEC_E_OK) return Fail(status);
  SecBuffer out = Buffer(SECBUFFER_TOKEN);
  SecBufferDesc outDesc{SECBUFFER_VERSION, 1, &out};
  status = context_->Initialize(credentials_.get(), host_, nullptr, &outDesc);
  TakeToken(*context_, out, toSend);
  if (status != SEC_I_CONTINUE_NEEDED) return Fail(status);
  return SEC_E_OK;
}

SECURITY_STATUS TlsChannel::Receive(std::string_view bytes, std::string& toSend, std::string& plain) {
  if (state_ == State::kFailed || state_ == State::kClosed) return SEC_E_OK;
  // Held unread while the certificate is judged, within a bound of the channel's own.
  if (state_ == State::kAwaitingTrust && incoming_.size() + bytes.size() > kMaxHeldBytes) return Fail(kTooMuchHeld);
  incoming_.append(bytes);
  if (state_ == State::kAwaitingTrust) return SEC_E_OK;
  if (state_ == State::kHandshaking) {
    const SECURITY_STATUS status = Handshake(toSend, false);
    if (status != SEC_E_OK) return status;
  }
  return DecryptAll(toSend, plain);
}

SECURITY_STATUS TlsChannel::Trust(std::string& toSend, std::string& plain) {
  if (state_ != State::kAwaitingTrust) return SEC_E_OK;
  accepted_ = RemoteCertificate();
  if (!accepted_) return Fail(kCertificateChanged);
  state_ = State::kEstablished;
  return DecryptAll(toSend, plain);
}

SECURITY_STATUS TlsChannel::Handshake(std::string& toSend, bool evenWithoutInput) {
  while (!incoming_.empty() || std::exchange(evenWithoutInput, false)) {
    if (!incoming_.empty() && !BeginsLikeATlsRecord(incoming_)) return Fail(SEC_E_ILLEGAL_MESSAGE);
    std::array<SecBuffer, 2> in = {Buffer(SECBUFFER_TOKEN, incoming_.data(), incoming_.size()),
                                   Buffer(SECBUFFER_EMPTY)};
    SecBufferDesc inDesc{SECBUFFER_VERSION, static_cast<unsigned long>(in.size()), in.data()};
    SecBuffer out = Buffer(SECBUFFER_TOKEN);
    SecBufferDesc outDesc{SECBUFFER_VERSION, 1, &out};
    const SECURITY_STATUS status = context_->Initialize(credentials_.get(), host_, &inDesc, &outDesc);
    TakeToken(*context_, out, toSend);
    // The rest of the message has not arrived yet.
    if (status == SEC_E_INCOMPLETE_MESSAGE) return SEC_E_OK;
    // The server asked for a client certificate: go on without one, with the same input (once).
    if (status == SEC_I_INCOMPLETE_CREDENTIALS && !std::exchange(withoutClientCertificate_, true)) continue;
    if (status != SEC_E_OK && status != SEC_I_CONTINUE_NEEDED) return Fail(status);
    // What the step did not consume begins the next message, or (at the end) the first records.
    if (in[1].BufferType == SECBUFFER_EXTRA && in[1].cbBuffer > 0) {
      incoming_.erase(0, incoming_.size() - in[1].cbBuffer);
    } else {
      incoming_.clear();
    }
    if (status == SEC_E_OK) {
      const SECURITY_STATUS sizes = context_->Query(SECPKG_ATTR_STREAM_SIZES, &sizes_);
      if (sizes != SEC_E_OK) return Fail(sizes);
      if (!accepted_) {
        state_ = State::kAwaitingTrust;
        return SEC_E_OK;
      }
      // A later handshake (session tickets, the server's renegotiation) keeps the accepted certificate.
      if (!SameCertificate(RemoteCertificate().get(), accepted_.get())) return Fail(kCertificateChanged);
      state_ = State::kEstablished;
      return SEC_E_OK;
    }
  }
  return SEC_E_OK;
}

SECURITY_STATUS TlsChannel::DecryptAll(std::string& toSend, std::string& plain) {
  while (state_ == State::kEstablished && !incoming_.empty()) {
    std::array<SecBuffer, 4> buffers = {Buffer(SECBUFFER_DATA, incoming_.data(), incoming_.size()),
                                        Buffer(SECBUFFER_EMPTY), Buffer(SECBUFFER_EMPTY), Buffer(SECBUFFER_EMPTY)};
    SecBufferDesc desc{SECBUFFER_VERSION, static_cast<unsigned long>(buffers.size()), buffers.data()};
    const SECURITY_STATUS status = context_->Decrypt(&desc);
    if (status == SEC_E_INCOMPLETE_MESSAGE) return SEC_E_OK;
    if (status != SEC_E_OK && status != SEC_I_RENEGOTIATE && status != SEC_I_CONTEXT_EXPIRED) return Fail(status);
    // Decrypted in place: copy out before the buffer changes. Only a record of data gives data: with a
    // handshake message (a TLS 1.3 session ticket) a buffer may still be typed DATA, but holds none.
    std::string extra;
    for (const SecBuffer& buffer : buffers) {
      const auto* data = static_cast<const char*>(buffer.pvBuffer);
      if (buffer.BufferType == SECBUFFER_DATA && data && status == SEC_E_OK) plain.append(data, buffer.cbBuffer);
      if (buffer.BufferType == SECBUFFER_EXTRA && data) extra.assign(data, buffer.cbBuffer);
    }
    incoming_ = std::move(extra);
    if (status == SEC_I_CONTEXT_EXPIRED) {
      // The server's close_notify: nothing more comes.
      state_ = State::kClosed;
      incoming_.clear();
    } else if (status == SEC_I_RENEGOTIATE) {
      // Handshake messages after the handshake (TLS 1.3 session tickets, key updates).
      state_ = State::kHandshaking;
      const SECURITY_STATUS handshake = Handshake(toSend, true);
      if (handshake != SEC_E_OK) return handshake;
    }
  }
  return SEC_E_OK;
}

SECURITY_STATUS TlsChannel::Encrypt(std::string_view plain, std::string& toSend) {
  if (state_ != State::kEstablished) return SEC_E_INVALID_HANDLE;
  while (!plain.empty()) {
    const std::size_t length = std::min<std::size_t>(plain.size(), sizes_.cbMaximumMessage);
    std::string record(sizes_.cbHeader + length + sizes_.cbTrailer, '\0');
    std::memcpy(record.data() + sizes_.cbHeader, plain.data(), length);
    std::array<SecBuffer, 4> buffers = {
        Buffer(SECBUFFER_STREAM_HEADER, record.data(), sizes_.cbHeader),
        Buffer(SECBUFFER_DATA, record.data() + sizes_.cbHeader, length),
        Buffer(SECBUFFER_STREAM_TRAILER, record.data() + sizes_.cbHeader + length, sizes_.cbTrailer),
        Buffer(SECBUFFER_EMPTY)};
    SecBufferDesc desc{SECBUFFER_VERSION, static_cast<unsigned long>(buffers.size()), buffers.data()};
    const SECURITY_STATUS status = context_->Encrypt(&desc);
    if (status != SEC_E_OK) return Fail(status);
    // The trailer may come out shorter than its room.
    toSend.append(record.data(), buffers[0].cbBuffer + buffers[1].cbBuffer + buffers[2].cbBuffer);
    plain.remove_prefix(length);
  }
  return SEC_E_OK;
}

UniqueCertificate TlsChannel::RemoteCertificate() {
  PCCERT_CONTEXT certificate = nullptr;
  if (context_->Query(SECPKG_ATTR_REMOTE_CERT_CONTEXT, &certificate) != SEC_E_OK) return {};
  return UniqueCertificate(certificate);
}

std::uint32_t TlsChannel::Protocol() {
  SecPkgContext_ConnectionInfo info{};
  if (context_->Query(SECPKG_ATTR_CONNECTION_INFO, &info) != SEC_E_OK) return 0;
  return info.dwProtocol;
}

std::wstring TlsChannel::CipherName() {
  SecPkgContext_CipherInfo cipher{};
  cipher.dwVersion = SECPKGCONTEXT_CIPHERINFO_V1;
  if (context_->Query(SECPKG_ATTR_CIPHER_INFO, &cipher) == SEC_E_OK && cipher.szCipherSuite[0] != L'\0') {
    return cipher.szCipherSuite;
  }
  // Older systems name only the algorithms.
  SecPkgContext_ConnectionInfo info{};
  if (context_->Query(SECPKG_ATTR_CONNECTION_INFO, &info) != SEC_E_OK) return L"?";
  std::wstring names;
  for (ALG_ID algorithm : {info.aiExch, info.aiCipher, info.aiHash}) {
    const PCCRYPT_OID_INFO known = ::CryptFindOIDInfo(CRYPT_OID_INFO_ALGID_KEY, &algorithm, 0);
    if (!names.empty()) names += L'-';
    names += known && known->pwszName ? known->pwszName : L"?";
  }
  return names;
}

}  // namespace pbw
