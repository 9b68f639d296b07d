// The check engine with the real socket and mail-client starter against the tests' private Dovecot:
// a real POP3 server decides every outcome. Only the window's parts are stand-ins.

#include <gtest/gtest.h>

#include <filesystem>

#include "common/wide_text_win.h"
#include "engine/mail_client_starter_win.h"
#include "engine/pop3_check.h"
#include "engine/pop3_sock_win.h"
#include "tests/support/dovecot/dovecot_fixture.h"
#include "tests/support/engine_stand_ins.h"
#include "tests/support/message_pump_win.h"
#include "tests/support/stand_in_mail_client_win.h"
#include "tests/support/temporary_folder.h"

namespace pbw {
namespace {

using testing::DovecotAccount;
using testing::DovecotFixture;

const std::wstring kNewMail = L" Neue Mail liegt vor ...";
const std::wstring kMailboxEmpty = L" Postfach leer";
const std::wstring kLoginRejected = L" Postfach und/oder Passwort nicht korrekt.";

std::wstring FromUtf8(const std::string& bytes) { return WideFromCodePage(bytes, CP_UTF8); }

struct DovecotEngine {
  explicit DovecotEngine(const DovecotFixture& dovecot) {
    fields.server = FromUtf8(dovecot.host) + L":" + std::to_wstring(dovecot.port);
  }

  // Runs one session as the Test button would; false when no outcome came in time.
  bool CheckAs(const std::string& user, const std::string& password) {
    fields.mailbox = FromUtf8(user);
    fields.password = FromUtf8(password);
    check.StartPop3Check();
    // Every outcome leaves the status line with something other than the two texts of a start.
    return testing::PumpMessagesUntil([&] {
      return status.Text() != L" Anmeldung an das Mailkonto läuft ..." &&
             status.Text() != L" Das Mailkonto wird geöffnet ...";
    });
  }

  testing::TimerStandIn tick;
  testing::StatusStandIn status;
  testing::TraceStandIn trace;
  StatusAndTrace output{status, trace};
  testing::FieldsStandIn fields;
  testing::ProbeStandIn probe;
  testing::ClockStandIn clock;
  MailClientStarter starter;
  Pop3Sock socket{[this](std::int32_t waiting) { check.Pop3Sock_DataArrival(waiting); }};
  Pop3Check check{{socket, tick, output, fields, probe, clock, starter}};
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
    ::testing::Values(
        OutcomeCase{"EmptyMailbox", &DovecotFixture::empty, false, kMailboxEmpty, Pop3Check::kStepList},
        // Sent as UTF-8 the password is accepted, so the session gets as far as the empty mailbox.
        OutcomeCase{"NonAsciiPassword", &DovecotFixture::umlaut, false, kMailboxEmpty, Pop3Check::kStepList},
        OutcomeCase{"WrongPassword", &DovecotFixture::full, true, kLoginRejected, Pop3Check::kStepPass}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace pbw
