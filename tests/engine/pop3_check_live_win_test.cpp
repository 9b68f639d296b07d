// The check engine on the real socket, probe, clock and mail-client starter against scripted POP3
// servers on the loopback addresses. Only the window's parts are stand-ins; the test steps the watchdog.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "tests/support/live_engine_win.h"
#include "tests/support/message_pump_win.h"
#include "tests/support/scripted_pop3_server_win.h"
#include "tests/support/stand_in_mail_client_win.h"
#include "tests/support/temporary_folder.h"

namespace pbw {
namespace {

using testing::PumpMessagesUntil;
using Server = testing::ScriptedPop3Server;
using namespace std::string_literals;

const std::wstring kTimeout = testing::Shown(TimeoutText(90));
const std::string kCommands = "CAPA\r\nUSER vorname.nachname@example.com\r\nPASS geheim\r\nLIST 1\r\n";

using testing::LiveEngine;

std::vector<Server::Step> LoginThen(const std::string& listReply) {
  return Server::Session("vorname.nachname@example.com", "geheim", listReply);
}

std::vector<Server::Step> Then(std::vector<Server::Step> script, std::initializer_list<Server::Step> more) {
  script.insert(script.end(), more);
  return script;
}

std::wstring OnLoopback(const Server& server) { return L"127.0.0.1:" + std::to_wstring(server.Port()); }

TEST(LiveSession, NewMailStartsTheMailClientWhosePathHasBlanks) {
  const testing::TemporaryFolder folder(L"pbw-session");
  const testing::InstalledMailClient client = testing::InstallStandInMailClient(folder.Path());
  Server server(LoginThen("+OK 1 512\r\n"));
  LiveEngine engine;
  engine.fields.server = OnLoopback(server);
  engine.fields.mailClient = client.program.wstring();

  engine.check.StartPop3Check();
  ASSERT_TRUE(engine.PumpUntilStatus(testing::Shown(status_text::kNewMail))) << engine.status.Text().c_str();
  EXPECT_EQ(server.Received(), kCommands);
  EXPECT_EQ(engine.trace.text.rfind(L"Connecting to " + OnLoopback(server) + L", " + std::to_wstring(server.Port()) +
                                        L" via 'LAN Connection' on ",
                                    0),
            0u)
      << engine.trace.text.c_str();
  EXPECT_NE(engine.trace.text.find(L"RCVD: +OK 1 512\r\n"), std::wstring::npos);
  ASSERT_TRUE(PumpMessagesUntil([&] { return std::filesystem::exists(client.ProgramMarker()); }));
  EXPECT_FALSE(std::filesystem::exists(client.DecoyMarker()));
}

struct OutcomeCase {
  const char* name;
  std::vector<Server::Step> script;
  Server::Loopback loopback;
  std::wstring hostBeforePort;
  std::wstring status;
  std::string sent;
};

void PrintTo(const OutcomeCase& c, std::ostream* os) { *os << c.name; }

class LiveOutcome : public ::testing::TestWithParam<OutcomeCase> {};

TEST_P(LiveOutcome, EndsWithTheStatusOfTheServersAnswer) {
  const OutcomeCase& c = GetParam();
  Server server(c.script, c.loopback);
  ASSERT_TRUE(server.Listening());
  LiveEngine engine;
  engine.fields.server = c.hostBeforePort + L":" + std::to_wstring(server.Port());
  engine.check.StartPop3Check();
  ASSERT_TRUE(engine.PumpUntilStatus(c.status)) << engine.status.Text().c_str();
  EXPECT_EQ(server.Received(), c.sent);
  EXPECT_FALSE(engine.tick.enabled);
}

const std::vector<Server::Step> kWrongPassword =
    Then(Server::Greeting("+OK POP3 bereit\r\n"),
         {Server::ExpectLine("USER vorname.nachname@example.com\r\n"), Server::Send("+OK\r\n"),
          Server::ExpectLine("PASS geheim\r\n"), Server::Send("-ERR [AUTH] Authentication failed.\r\n")});
const std::string kUserAndPass = "CAPA\r\nUSER vorname.nachname@example.com\r\nPASS geheim\r\n";

INSTANTIATE_TEST_SUITE_P(
    LiveSession, LiveOutcome,
    ::testing::Values(
        OutcomeCase{"EmptyMailbox", LoginThen("-ERR no such message\r\n"), Server::Loopback::kIPv4, L"127.0.0.1",
                    testing::Shown(status_text::kMailboxEmpty), kCommands},
        OutcomeCase{"WrongPassword", kWrongPassword, Server::Loopback::kIPv4, L"127.0.0.1",
                    testing::Shown(status_text::kLoginRejected), kUserAndPass},
        OutcomeCase{"HostNamedLocalhost", LoginThen("-ERR no such message\r\n"), Server::Loopback::kIPv4, L"localhost",
                    testing::Shown(status_text::kMailboxEmpty), kCommands},
        OutcomeCase{"BracketedIPv6Literal", LoginThen("+OK 2 4096\r\n"), Server::Loopback::kIPv6, L"[::1]",
                    testing::Shown(status_text::kNewMail), kCommands},
        OutcomeCase{"NulBytes",
                    Then(Server::Greeting("+OK \0\0 bereit\r\n"s),
                         {Server::ExpectLine("USER vorname.nachname@example.com\r\n"), Server::Send("\0+OK\r\n"s)}),
                    Server::Loopback::kIPv4, L"127.0.0.1", testing::Shown(status_text::kMailboxUnknown),
                    "CAPA\r\nUSER vorname.nachname@example.com\r\n"},
        OutcomeCase{"InvalidUtf8", LoginThen("-ERR \xC0\xAF\xFF\xED\xA0\x80 \xC3\r\n"), Server::Loopback::kIPv4,
                    L"127.0.0.1", testing::Shown(status_text::kMailboxEmpty), kCommands},
        OutcomeCase{"MegabyteWithoutLineEnd",
                    {Server::Send(std::string(1 << 20, 'x'))},
                    Server::Loopback::kIPv4,
                    L"127.0.0.1",
                    testing::Shown(status_text::kHostNotAnswering),
                    ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LiveSession, WithoutAPortInTheServerFieldConnectsToPort110) {
  Server server(LoginThen("-ERR no such message\r\n"), Server::Loopback::kIPv4, 110);
  ASSERT_TRUE(server.Listening()) << "binding 127.0.0.1:110 needs administrator rights";
  LiveEngine engine;
  engine.fields.server = L"127.0.0.1";
  engine.check.StartPop3Check();
  ASSERT_TRUE(engine.PumpUntilStatus(testing::Shown(status_text::kMailboxEmpty))) << engine.status.Text().c_str();
  EXPECT_EQ(server.Received(), kCommands);
}

TEST(LiveSession, AGreetingSplitIntoTwoSegmentsIsJudgedAsOneReply) {
  Server server({Server::Send("+OK Post"), Server::Pause(), Server::Send("fach bereit\r\n"),
                 Server::ExpectLine("CAPA\r\n"), Server::StaySilent()});
  LiveEngine engine;
  engine.fields.server = OnLoopback(server);
  engine.check.StartPop3Check();
  ASSERT_TRUE(PumpMessagesUntil([&] { return engine.notifications == 1; }));
  EXPECT_EQ(engine.check.CheckStep(), 1000);
  EXPECT_EQ(engine.status.Text(), testing::Shown(status_text::kOpening));

  server.Proceed();
  ASSERT_TRUE(PumpMessagesUntil([&] { return server.Received() == "CAPA\r\n"; }));
  EXPECT_EQ(engine.check.CheckStep(), 1010);
  engine.Ticks(90);  // the trace is whole once the session has ended
  ASSERT_TRUE(PumpMessagesUntil([&] { return engine.TraceBegun(); }));
  EXPECT_NE(engine.trace.text.find(L"\r\n\r\nRCVD: +OK Postfach bereit\r\n\r\n1010 SEND: CAPA\r\n"), std::wstring::npos)
      << engine.trace.text.c_str();
}

// A server (or a man in the middle) that agrees to STLS and then talks on in clear: nothing of it is
// believed, no command leaves in clear after the agreement, and the secure connection has failed.
TEST(LiveSession, ClearTextAfterTheAgreementToStlsFailsTheSecureConnection) {
  const std::string commands = "CAPA\r\nSTLS\r\n";
  Server server({Server::Send("+OK POP3 bereit\r\n"), Server::ExpectLine("CAPA\r\n"),
                 Server::Send("+OK\r\nSTLS\r\n.\r\n"), Server::ExpectLine("STLS\r\n"),
                 Server::Send("+OK Begin TLS\r\n"), Server::Pause(), Server::Send("+OK POP3 bereit\r\n"),
                 Server::StaySilent()});
  LiveEngine engine;
  engine.fields.server = OnLoopback(server);
  engine.check.StartPop3Check();
  // The client's first handshake message is on its way.
  ASSERT_TRUE(PumpMessagesUntil([&] { return engine.check.CheckStep() == Pop3Check::kStepSecuring; }));
  server.Proceed();
  ASSERT_TRUE(engine.PumpUntilStatus(testing::Shown(status_text::kTlsFailed))) << engine.status.Text().c_str();
  ASSERT_TRUE(PumpMessagesUntil([&] { return server.Finished(); }));
  const std::string received = server.Received();
  EXPECT_EQ(received.substr(0, commands.size()), commands);
  EXPECT_EQ(received[commands.size()], '\x16') << "a TLS handshake record";
  EXPECT_EQ(received.find("USER"), std::string::npos);
}

TEST(LiveSession, AServerThatNeverGreetsEndsWithTheTimeout) {
  Server server({Server::StaySilent()});
  LiveEngine engine;
  engine.fields.server = OnLoopback(server);
  engine.check.StartPop3Check();
  ASSERT_TRUE(PumpMessagesUntil([&] { return server.Accepted(); }));
  engine.Ticks(90);
  EXPECT_EQ(engine.status.Text(), kTimeout);
  EXPECT_EQ(engine.check.CheckStep(), 1000);
  EXPECT_EQ(engine.notifications, 0);
}

TEST(LiveSession, AResetInTheMiddleOfAReplyEndsWithTheTimeout) {
  Server server(Then(Server::Greeting("+OK POP3 bereit\r\n"),
                     {Server::ExpectLine("USER vorname.nachname@example.com\r\n"), Server::Send("+OK\r\n"),
                      Server::ExpectLine("PASS geheim\r\n"), Server::Send("+OK Logg"), Server::Reset()}));
  LiveEngine engine;
  engine.fields.server = OnLoopback(server);
  engine.check.StartPop3Check();
  ASSERT_TRUE(PumpMessagesUntil([&] { return server.Finished(); }));
  ASSERT_TRUE(PumpMessagesUntil([&] { return engine.check.CheckStep() == 1002; }));
  engine.Ticks(90);
  EXPECT_EQ(engine.status.Text(), kTimeout);
  EXPECT_EQ(engine.check.CheckStep(), 1002);
}

// A connection that never comes about delivers nothing; the watchdog ends the session.
class LiveFailure : public ::testing::TestWithParam<const char*> {};

TEST_P(LiveFailure, NeverDeliversAndEndsWithTheTimeout) {
  const testing::RefusingPort refusing;
  const std::wstring closedPort = L":" + std::to_wstring(refusing.Port());
  const std::map<std::string, std::wstring> hosts = {
      {"EmptyHost", L""},
      // A label longer than 63 characters cannot be put to a name server: the look-up fails locally.
      {"UnresolvableHost", std::wstring(64, L'x') + L".invalid"},
      {"RefusedOnLoopback", L"127.0.0.1" + closedPort},
      {"RefusedOnLocalhost", L"localhost" + closedPort},
  };
  LiveEngine engine;
  engine.fields.server = hosts.at(GetParam());
  engine.check.StartPop3Check();

  // By the time a later connection on the same thread has brought its greeting, the failed one has
  // long been given up.
  Server later({Server::Send("+OK\r\n")});
  std::string greeting;
  Pop3Sock other([&](std::int32_t) { greeting += other.GetData(); }, [](const TlsReport&) {});
  other.Connect(L"127.0.0.1", later.Port(), ConnectionSecurity::kPlain);
  ASSERT_TRUE(PumpMessagesUntil([&] { return greeting == "+OK\r\n"; }));

  EXPECT_EQ(engine.notifications, 0);
  EXPECT_EQ(engine.check.CheckStep(), 1000);
  engine.Ticks(89);
  EXPECT_EQ(engine.status.Text(), testing::Shown(status_text::kOpening));
  engine.Ticks(1);
  EXPECT_EQ(engine.status.Text(), kTimeout);
}

INSTANTIATE_TEST_SUITE_P(LiveSession, LiveFailure,
                         ::testing::Values("EmptyHost", "UnresolvableHost", "RefusedOnLoopback", "RefusedOnLocalhost"),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
}  // namespace pbw
