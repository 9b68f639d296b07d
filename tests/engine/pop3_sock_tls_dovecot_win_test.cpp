// The socket's TLS channel against the tests' private Dovecot: a real server's handshake, and the
// program's own judgement of every certificate it presents. The test CA is trusted only in this
// Wine prefix, and only while a test holds it. (Wine's crypt32 keeps the trusted roots it has read
// for the life of the process, so the same server without the trusted CA is checked end to end, in
// a process of its own.)

#include <gtest/gtest.h>

#include "engine/pop3_sock_win.h"
#include "tests/support/dovecot/dovecot_fixture.h"
#include "tests/support/message_pump_win.h"
#include "tests/support/trusted_root_win.h"

namespace pbw {
namespace {

using testing::DovecotTls;
using testing::PumpMessagesUntil;

struct TlsRig {
  std::string received;
  std::vector<TlsReport> reports;
  Pop3Sock sock{[this](std::int32_t) { received += sock.GetData(); },
                [this](const TlsReport& report) { reports.push_back(report); }};

  bool ConnectAndAwaitReport(const std::wstring& host, std::uint16_t port) {
    sock.Connect(host, port, ConnectionSecurity::kImplicitTls);
    return PumpMessagesUntil([&] { return !reports.empty(); });
  }
};

TEST(TlsCredentials, BothCredentialFormsAreAcquired) {
  for (const auto form : {TlsCredentials::Form::kSchCredentials, TlsCredentials::Form::kSchannelCred}) {
    UniqueCredentials credentials;
    EXPECT_EQ(TlsCredentials::AcquireAs(form, credentials), SEC_E_OK) << static_cast<int>(form);
    EXPECT_TRUE(credentials.valid());
  }
}

TEST(Pop3SockTls, ACertificateFromATrustedRootForTheHostIsAcceptedAndTheSessionRuns) {
  const testing::DovecotFixture dovecot = testing::LoadDovecotFixture();
  const testing::TrustedRoot ca(dovecot.tls.testCaFile);
  ASSERT_TRUE(ca.Added());
  TlsRig rig;
  // Given before the handshake, sent once the channel is up.
  rig.sock.Connect(L"localhost", dovecot.tls.port, ConnectionSecurity::kImplicitTls);
  rig.sock.SendData("USER " + dovecot.full.user + "\r\n");
  ASSERT_TRUE(PumpMessagesUntil([&] {
    const bool failed = !rig.reports.empty() && rig.reports[0].outcome != TlsOutcome::kEstablished;
    return failed || rig.received.find("\r\n+OK") != std::string::npos;
  })) << rig.received
      << " reports: " << rig.reports.size();

  ASSERT_EQ(rig.reports.size(), 1u);
  const TlsReport& report = rig.reports[0];
  EXPECT_EQ(report.outcome, TlsOutcome::kEstablished) << std::hex << report.code;
  EXPECT_TRUE(report.facts.protocol == L"TLS 1.2" || report.facts.protocol == L"TLS 1.3") << report.facts.protocol;
  EXPECT_FALSE(report.facts.cipher.empty());
  EXPECT_EQ(report.facts.subject, L"CN=localhost");
  EXPECT_EQ(report.facts.issuer, L"CN=PostboxWatchman Test CA");
  EXPECT_EQ(rig.received.rfind("+OK", 0), 0u) << rig.received;
}

TEST(Pop3SockTls, AServerAddressedByItsAddressIsAcceptedByTheAddressOnItsCertificate) {
  const testing::DovecotFixture dovecot = testing::LoadDovecotFixture();
  const testing::TrustedRoot ca(dovecot.tls.testCaFile);
  ASSERT_TRUE(ca.Added());
  TlsRig rig;
  ASSERT_TRUE(rig.ConnectAndAwaitReport(L"127.0.0.1", dovecot.tls.addressPort));
  EXPECT_EQ(rig.reports[0].outcome, TlsOutcome::kEstablished) << std::hex << rig.reports[0].code;
  EXPECT_TRUE(PumpMessagesUntil([&] { return rig.received == "+OK bereit\r\n"; })) << rig.received;
}

// A man in the middle sends its Finished, a greeting and close_notify in one segment: the certificate
// is judged first all the same, and the greeting never delivered.
TEST(Pop3SockTls, AGreetingAndCloseWithTheLastHandshakeMessageAreNeverBelievedBeforeTheCertificate) {
  const testing::DovecotFixture dovecot = testing::LoadDovecotFixture();
  TlsRig rig;
  rig.sock.Connect(L"localhost", dovecot.tls.greetingClosePort, ConnectionSecurity::kImplicitTls);
  rig.sock.SendData("USER anna\r\n");
  ASSERT_TRUE(PumpMessagesUntil([&] { return !rig.reports.empty(); }));
  EXPECT_EQ(rig.reports[0].outcome, TlsOutcome::kUntrustedCertificate) << std::hex << rig.reports[0].code;
  PumpMessagesUntil([] { return true; });
  EXPECT_EQ(rig.reports.size(), 1u);
  EXPECT_EQ(rig.received, "");
}

// The unread data stays bounded even though one record may take it past the limit.
TEST(Pop3SockTls, ReadingPausesOnceARecordHasTakenTheUnreadDataPastItsLimit) {
  const testing::DovecotFixture dovecot = testing::LoadDovecotFixture();
  const testing::TrustedRoot ca(dovecot.tls.testCaFile);
  ASSERT_TRUE(ca.Added());
  std::size_t waiting = 0;
  std::vector<TlsReport> reports;
  Pop3Sock sock([&](std::int32_t total) { waiting = static_cast<std::size_t>(total); },
                [&](const TlsReport& report) { reports.push_back(report); });
  sock.Connect(L"localhost", dovecot.tls.floodPort, ConnectionSecurity::kImplicitTls);
  ASSERT_TRUE(PumpMessagesUntil([&] { return waiting >= Pop3Sock::kUnreadLimitBytes; })) << waiting;
  // Left untaken for a while: the socket must not go on reading.
  const DWORD until = ::GetTickCount() + 500;
  PumpMessagesUntil([&] { return ::GetTickCount() >= until; });
  constexpr std::size_t kLargestRecord = 16 * 1024;
  EXPECT_LT(waiting, Pop3Sock::kUnreadLimitBytes + kLargestRecord + Pop3Sock::kReadChunkBytes);

  std::string taken;
  const std::size_t flood = 5 + (1 << 20);
  ASSERT_TRUE(PumpMessagesUntil([&] {
    taken += sock.GetData();
    return taken.size() >= flood;
  })) << taken.size();
  EXPECT_TRUE(taken == "+OK\r\n" + std::string(flood - 5, 'x'));
  EXPECT_EQ(reports.size(), 1u);
}

struct RejectionCase {
  const char* name;
  std::uint16_t DovecotTls::*port;
  std::wstring host;
  TlsOutcome outcome;
};

void PrintTo(const RejectionCase& c, std::ostream* out) { *out << c.name; }

class Pop3SockTlsRejection : public ::testing::TestWithParam<RejectionCase> {};

TEST_P(Pop3SockTlsRejection, ReportsTheFaultAndDeliversNothingOfTheServer) {
  const RejectionCase& c = GetParam();
  const testing::DovecotFixture dovecot = testing::LoadDovecotFixture();
  const testing::TrustedRoot ca(dovecot.tls.testCaFile);
  ASSERT_TRUE(ca.Added());
  TlsRig rig;
  ASSERT_TRUE(rig.ConnectAndAwaitReport(c.host, dovecot.tls.*c.port));

  ASSERT_EQ(rig.reports.size(), 1u);
  EXPECT_EQ(rig.reports[0].outcome, c.outcome) << std::hex << rig.reports[0].code;
  EXPECT_NE(rig.reports[0].code, 0u);
  // The greeting may well have come with the last handshake message: it is not delivered.
  PumpMessagesUntil([] { return true; });
  EXPECT_EQ(rig.received, "");
}

INSTANTIATE_TEST_SUITE_P(
    Certificates, Pop3SockTlsRejection,
    ::testing::Values(
        RejectionCase{"SelfSigned", &DovecotTls::selfSignedPort, L"localhost", TlsOutcome::kUntrustedCertificate},
        // The system's policy check alone may let this chain pass.
        RejectionCase{"UnknownCaNotSent", &DovecotTls::unknownCaPort, L"localhost", TlsOutcome::kUntrustedCertificate},
        RejectionCase{"Expired", &DovecotTls::expiredPort, L"localhost", TlsOutcome::kExpiredCertificate},
        // The same server, reached by a name that is not in its certificate.
        RejectionCase{"NameNotInCertificate", &DovecotTls::port, L"127.0.0.1", TlsOutcome::kWrongHost}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace pbw
