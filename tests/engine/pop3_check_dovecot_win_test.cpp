// The check engine with the real socket, probe, clock and mail-client starter against the tests'
// private Dovecot: a real POP3 server decides every outcome. Only the window's parts are stand-ins.

#include <gtest/gtest.h>

#include <filesystem>

#include "common/wide_text_win.h"
#include "engine/server_address.h"
#include "tests/support/dovecot/dovecot_fixture.h"
#include "tests/support/live_engine_win.h"
#include "tests/support/stand_in_mail_client_win.h"
#include "tests/support/temporary_folder.h"
#include "tests/support/trusted_root_win.h"

namespace pbw {
namespace {

using testing::DovecotAccount;
using testing::DovecotFixture;

const std::wstring kNewMail = testing::Shown(status_text::kNewMail);
const std::wstring kMailboxEmpty = testing::Shown(status_text::kMailboxEmpty);
const std::wstring kLoginRejected = testing::Shown(status_text::kLoginRejected);

std::wstring FromUtf8(const std::string& bytes) { return WideFromCodePage(bytes, CP_UTF8); }

struct DovecotEngine : testing::LiveEngine {
  explicit DovecotEngine(const DovecotFixture& dovecot)
      : DovecotEngine(FromUtf8(dovecot.host) + L":" + std::to_wstring(dovecot.port)) {}
  explicit DovecotEngine(const std::wstring& server) { fields.server = server; }

  // Runs one session as the Test button would; false when no outcome came in time.
  bool CheckAs(const std::string& user, const std::string& password) {
    fields.mailbox = FromUtf8(user);
    fields.password = FromUtf8(password);
    check.StartPop3Check();
    return PumpUntilOutcome();
  }
};

TEST(DovecotSession, NewMailStartsTheMailClient) {
  const DovecotFixture dovecot = testing::LoadDovecotFixture();
  const testing::TemporaryFolder folder(L"pbw-dovecot");
  const testing::InstalledMailClient client = testing::InstallStandInMailClient(folder.Path());
  DovecotEngine engine(dovecot);
  engine.fields.mailClient = client.program.wstring();

  ASSERT_TRUE(engine.CheckAs(dovecot.full.user, dovecot.full.password)) << engine.trace.text.c_str();
  EXPECT_EQ(engine.status.Text(), kNewMail) << engine.trace.text.c_str();
  EXPECT_TRUE(testing::PumpMessagesUntil([&] { return std::filesystem::exists(client.ProgramMarker()); }));
}

struct OutcomeCase {
  const char* name;
  DovecotAccount DovecotFixture::*account;
  bool wrongPassword;
  std::wstring status;
  std::int32_t finalStep;
};

void PrintTo(const OutcomeCase& outcome, std::ostream* out) { *out << outcome.name; }

class DovecotOutcome : public ::testing::TestWithParam<OutcomeCase> {};

TEST_P(DovecotOutcome, EndsWithTheStatusOfTheServersAnswer) {
  const OutcomeCase& outcome = GetParam();
  const DovecotFixture dovecot = testing::LoadDovecotFixture();
  const DovecotAccount& account = dovecot.*outcome.account;
  DovecotEngine engine(dovecot);

  ASSERT_TRUE(engine.CheckAs(account.user, outcome.wrongPassword ? dovecot.wrongPassword : account.password))
      << engine.trace.text.c_str();
  EXPECT_EQ(engine.status.Text(), outcome.status) << engine.trace.text.c_str();
  EXPECT_EQ(engine.check.CheckStep(), outcome.finalStep);
  EXPECT_FALSE(engine.tick.enabled);
}

INSTANTIATE_TEST_SUITE_P(
    DovecotSession, DovecotOutcome,
    ::testing::Values(OutcomeCase{"EmptyMailbox", &DovecotFixture::empty, false, kMailboxEmpty, Pop3Check::kStepList},
                      // Sent as UTF-8 the password is accepted, so the session gets as far as the empty mailbox.
                      OutcomeCase{"NonAsciiPassword", &DovecotFixture::umlaut, false, kMailboxEmpty,
                                  Pop3Check::kStepList},
                      OutcomeCase{"WrongPassword", &DovecotFixture::full, true, kLoginRejected, Pop3Check::kStepPass}),
    [](const auto& info) { return std::string(info.param.name); });

// The same sessions over implicit TLS: the server field names port 995, the engine alone decides.
struct TlsSessionCase {
  const char* name;
  DovecotAccount DovecotFixture::*account;
  std::wstring status;
};

void PrintTo(const TlsSessionCase& session, std::ostream* out) { *out << session.name; }

class DovecotTlsSession : public ::testing::TestWithParam<TlsSessionCase> {};

TEST_P(DovecotTlsSession, RunsWholeOverTlsAndTracesTheChannel) {
  const TlsSessionCase& session = GetParam();
  const DovecotFixture dovecot = testing::LoadDovecotFixture();
  ASSERT_EQ(dovecot.tls.port, kPop3TlsPort) << "the fixture listens on 995 only when run as root";
  const testing::TrustedRoot ca(dovecot.tls.testCaFile);
  ASSERT_TRUE(ca.Added());
  DovecotEngine engine(L"localhost:995");
  const DovecotAccount& account = dovecot.*session.account;

  ASSERT_TRUE(engine.CheckAs(account.user, account.password)) << engine.trace.text.c_str();
  EXPECT_EQ(engine.status.Text(), session.status) << engine.trace.text.c_str();
  const std::wstring& trace = engine.trace.text;
  const auto tlsLine = trace.find(L"\r\n\r\nTLS 1.");
  ASSERT_NE(tlsLine, std::wstring::npos) << trace.c_str();
  EXPECT_NE(trace.find(L"Zertifikat: CN=localhost ausgestellt von CN=PostboxWatchman Test CA\r\nRCVD: +OK", tlsLine),
            std::wstring::npos)
      << trace.c_str();
}

INSTANTIATE_TEST_SUITE_P(DovecotSession, DovecotTlsSession,
                         ::testing::Values(TlsSessionCase{"NewMail", &DovecotFixture::full, kNewMail},
                                           TlsSessionCase{"EmptyMailbox", &DovecotFixture::empty, kMailboxEmpty}),
                         [](const auto& info) { return std::string(info.param.name); });

// A server that refuses the login in clear and offers STLS: the server field names the host alone.
TEST(DovecotStls, TheLoginGoesOverTlsOnceTheCertificateIsAccepted) {
  const DovecotFixture dovecot = testing::LoadDovecotFixture();
  ASSERT_EQ(dovecot.stls.port, kDefaultPop3Port) << "the fixture listens on 110 only when run as root";
  const testing::TrustedRoot ca(dovecot.tls.testCaFile);
  ASSERT_TRUE(ca.Added());
  DovecotEngine engine(FromUtf8(dovecot.stls.host));

  ASSERT_TRUE(engine.CheckAs(dovecot.full.user, dovecot.full.password)) << engine.trace.text.c_str();
  EXPECT_EQ(engine.status.Text(), kNewMail) << engine.trace.text.c_str();
  const std::wstring& trace = engine.trace.text;
  const auto stls = trace.find(L"\r\n.\r\n\r\n1011 SEND: STLS\r\nRCVD: +OK", trace.find(L"\r\nSTLS\r\n"));
  ASSERT_NE(stls, std::wstring::npos) << trace.c_str();
  EXPECT_NE(
      trace.find(L"Zertifikat: CN=127.0.0.7 ausgestellt von CN=PostboxWatchman Test CA\r\n\r\n1001 SEND: USER", stls),
      std::wstring::npos)
      << trace.c_str();
}

TEST(DovecotStls, AnUntrustedCertificateEndsTheSessionBeforeTheLogin) {
  const DovecotFixture dovecot = testing::LoadDovecotFixture();
  DovecotEngine engine(FromUtf8(dovecot.stls.host) + L":" + std::to_wstring(dovecot.stls.selfSignedPort));

  ASSERT_TRUE(engine.CheckAs(dovecot.full.user, dovecot.full.password)) << engine.trace.text.c_str();
  EXPECT_EQ(engine.status.Text(), testing::Shown(status_text::kTlsUntrusted)) << engine.trace.text.c_str();
  EXPECT_EQ(engine.check.CheckStep(), Pop3Check::kStepSecuring);
  EXPECT_EQ(engine.trace.text.find(L"SEND: USER"), std::wstring::npos) << engine.trace.text.c_str();
}

}  // namespace
}  // namespace pbw
