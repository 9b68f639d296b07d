// The TLS channel over a replayed Schannel: the sequences that Windows 11 gives for a TLS 1.3 server,
// which Wine's Schannel (TLS 1.2) never plays. On the wire stand records of the replay's own: a
// content type byte, a letter ("F" the server's last handshake message, "T" a session ticket, "D" data
// followed by its text) and "|" as the end.

#include "engine/tls_channel_win.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>

#include "engine/schannel_credentials_win.h"

namespace pbw {
namespace {

UniqueCertificate SelfSigned(const wchar_t* subject) {
  BYTE name[256];
  DWORD size = sizeof name;
  if (!::CertStrToNameW(X509_ASN_ENCODING, subject, CERT_X500_NAME_STR, nullptr, name, &size, nullptr)) return {};
  CERT_NAME_BLOB blob{size, name};
  return UniqueCertificate(::CertCreateSelfSignCertificate(0, &blob, 0, nullptr, nullptr, nullptr, nullptr, nullptr));
}

class ReplayedSchannel final : public SchannelContextCalls {
 public:
  explicit ReplayedSchannel(PCCERT_CONTEXT& presented) : presented_(presented) {}

  SECURITY_STATUS Initialize(CredHandle*, std::wstring&, SecBufferDesc* in, SecBufferDesc* out) override {
    if (!in) {
      Token(out, "hello");
      return SEC_I_CONTINUE_NEEDED;
    }
    const SecBuffer& input = in->pBuffers[0];
    const std::string_view bytes(static_cast<const char*>(input.pvBuffer), input.cbBuffer);
    // After a ticket the system has what it needs: what it was given is left over whole.
    if (std::exchange(afterTicket_, false)) {
      Extra(in->pBuffers[1], bytes);
      return SEC_E_OK;
    }
    const std::size_t end = bytes.find('|');
    if (end == std::string_view::npos) return SEC_E_INCOMPLETE_MESSAGE;
    if (bytes.substr(1, end - 1) != "F") return SEC_E_ILLEGAL_MESSAGE;
    Extra(in->pBuffers[1], bytes.substr(end + 1));
    return SEC_E_OK;
  }

  SECURITY_STATUS Decrypt(SecBufferDesc* message) override {
    SecBuffer* buffers = message->pBuffers;
    auto* data = static_cast<char*>(buffers[0].pvBuffer);
    const std::string_view bytes(data, buffers[0].cbBuffer);
    const std::size_t end = bytes.find('|');
    if (end == std::string_view::npos) return SEC_E_INCOMPLETE_MESSAGE;
    // As Schannel leaves them: header, the record's contents still typed DATA, trailer, the rest.
    buffers[0] = {2, SECBUFFER_STREAM_HEADER, data};
    buffers[1] = {static_cast<unsigned long>(end - 2), SECBUFFER_DATA, data + 2};
    buffers[2] = {1, SECBUFFER_STREAM_TRAILER, data + end};
    Extra(buffers[3], bytes.substr(end + 1));
    if (bytes[1] == 'D') return SEC_E_OK;
    if (bytes[1] != 'T') return SEC_E_DECRYPT_FAILURE;
    afterTicket_ = true;
    return SEC_I_RENEGOTIATE;
  }

  SECURITY_STATUS Encrypt(SecBufferDesc*) override { return SEC_E_UNSUPPORTED_FUNCTION; }

  SECURITY_STATUS Query(unsigned long attribute, void* buffer) override {
    if (attribute == SECPKG_ATTR_STREAM_SIZES) {
      *static_cast<SecPkgContext_StreamSizes*>(buffer) = {2, 1, 16384, 4, 16};
      return SEC_E_OK;
    }
    if (attribute != SECPKG_ATTR_REMOTE_CERT_CONTEXT) return SEC_E_UNSUPPORTED_FUNCTION;
    *static_cast<PCCERT_CONTEXT*>(buffer) = ::CertDuplicateCertificateContext(presented_);
    return SEC_E_OK;
  }

  void FreeBuffer(void* buffer) override { std::free(buffer); }

 private:
  static void Token(SecBufferDesc* out, std::string_view bytes) {
    void* copy = std::malloc(bytes.size());
    std::memcpy(copy, bytes.data(), bytes.size());
    out->pBuffers[0] = {static_cast<unsigned long>(bytes.size()), SECBUFFER_TOKEN, copy};
  }
  static void Extra(SecBuffer& buffer, std::string_view rest) {
    if (rest.empty()) return;
    buffer = {static_cast<unsigned long>(rest.size()), SECBUFFER_EXTRA, const_cast<char*>(rest.data())};
  }

  PCCERT_CONTEXT& presented_;
  bool afterTicket_ = false;
};

// A channel whose handshake ends with `last` (the server's Finished and whatever came with it).
struct ReplayRig {
  UniqueCertificate server = SelfSigned(L"CN=pop.example.com");
  UniqueCertificate other = SelfSigned(L"CN=mallory.example.com");
  PCCERT_CONTEXT presented = server.get();
  TlsChannel channel{L"pop.example.com", std::make_unique<ReplayedSchannel>(presented)};
  std::string toSend;
  std::string plain;

  void HandshakeUntilTrust(const std::string& last) {
    ASSERT_TRUE(server && other);
    ASSERT_EQ(channel.Start(toSend), SEC_E_OK);
    EXPECT_EQ(toSend, "hello");
    ASSERT_EQ(channel.Receive(last, toSend, plain), SEC_E_OK);
    ASSERT_EQ(channel.GetState(), TlsChannel::State::kAwaitingTrust);
  }
  SECURITY_STATUS Receive(const std::string& bytes) { return channel.Receive(bytes, toSend, plain); }
};

TEST(TlsChannelReplay, TwoTicketsAndAGreetingInOneReadGiveTheGreetingAlone) {
  ReplayRig rig;
  rig.HandshakeUntilTrust(
      "\x16"
      "F|");
  ASSERT_EQ(rig.channel.Trust(rig.toSend, rig.plain), SEC_E_OK);
  ASSERT_EQ(rig.Receive("\x17T-ticket-1|\x17T-ticket-2|\x17"
                        "D+OK bereit\r\n|"),
            SEC_E_OK);
  EXPECT_EQ(rig.plain, "+OK bereit\r\n");
  EXPECT_EQ(rig.channel.GetState(), TlsChannel::State::kEstablished);
}

TEST(TlsChannelReplay, ATicketThatCameWithTheFinishedWaitsForTrustAndGivesNoData) {
  ReplayRig rig;
  rig.HandshakeUntilTrust(
      "\x16"
      "F|\x17T-ticket|");
  EXPECT_EQ(rig.plain, "");
  ASSERT_EQ(rig.channel.Trust(rig.toSend, rig.plain), SEC_E_OK);
  EXPECT_EQ(rig.plain, "");
  ASSERT_EQ(rig.Receive("\x17"
                        "D+OK bereit\r\n|"),
            SEC_E_OK);
  EXPECT_EQ(rig.plain, "+OK bereit\r\n");
}

TEST(TlsChannelReplay, ALaterHandshakeWithAnotherCertificateFailsTheChannel) {
  ReplayRig rig;
  rig.HandshakeUntilTrust(
      "\x16"
      "F|");
  ASSERT_EQ(rig.channel.Trust(rig.toSend, rig.plain), SEC_E_OK);
  rig.presented = rig.other.get();
  EXPECT_EQ(rig.Receive("\x17T-ticket|\x17"
                        "D+OK fremd\r\n|"),
            TlsChannel::kCertificateChanged);
  EXPECT_EQ(rig.channel.GetState(), TlsChannel::State::kFailed);
  EXPECT_EQ(rig.plain, "");
}

TEST(TlsChannelReplay, WhatArrivesWhileTheCertificateIsJudgedIsHeldUpToItsBound) {
  ReplayRig rig;
  rig.HandshakeUntilTrust(
      "\x16"
      "F|");
  EXPECT_EQ(rig.Receive(std::string(TlsChannel::kMaxHeldBytes, '\x17')), SEC_E_OK);
  EXPECT_EQ(rig.Receive("\x17"), TlsChannel::kTooMuchHeld);
  EXPECT_EQ(rig.channel.GetState(), TlsChannel::State::kFailed);
}

}  // namespace
}  // namespace pbw
