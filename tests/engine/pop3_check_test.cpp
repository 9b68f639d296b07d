#include "engine/pop3_check.h"

#include <gtest/gtest.h>

#include "tests/support/engine_stand_ins.h"

namespace pbw {
namespace {

using testing::EngineRig;

const std::wstring kTimeout = L" Keine Antwort seit 90 sec. Die Verbindung wird daher abgebrochen.";
// A server that knows no CAPA: the login follows in clear.
const std::string kNoCapa = "-ERR unknown command\r\n";
const std::string kCapaWithStls = "+OK\r\nTOP\r\nUSER\r\nstls\r\nSASL PLAIN\r\n.\r\n";

TEST(IsOkReply, JudgesTheBeginningAfterBlanks) {
  struct Case {
    std::wstring_view reply;
    bool ok;
  };
  const Case cases[] = {
      {L"+OK", true},    {L"+OK POP3 ready\r\n", true}, {L"   +OK hello", true}, {L"+OK   ", true}, {L"+ok", false},
      {L"+Ok", false},   {L"-ERR no", false},           {L"+O", false},          {L"", false},      {L"   ", false},
      {L"\t+OK", false}, {L"\r\n+OK", false},           {L"OK", false},          {L"+OKAY", true},
  };
  for (const auto& c : cases) EXPECT_EQ(IsOkReply(c.reply), c.ok) << std::wstring(c.reply).c_str();
}

TEST(Pop3Check, StartsASessionInOrder) {
  EngineRig rig;
  rig.fields.server = L"pop.example.com:995";
  rig.check.StartPop3Check();

  EXPECT_EQ(rig.socket.closes, 1);
  ASSERT_EQ(rig.socket.connects.size(), 1u);
  EXPECT_EQ(rig.socket.connects[0].host, L"pop.example.com");
  EXPECT_EQ(rig.socket.connects[0].port, 995);
  EXPECT_EQ(rig.socket.connects[0].security, ConnectionSecurity::kImplicitTls);
  EXPECT_TRUE(rig.tick.enabled);
  EXPECT_EQ(rig.check.CheckStep(), 1000);
  EXPECT_EQ(rig.check.WatchdogTicks(), 0);
  EXPECT_EQ(rig.status.history,
            (std::vector<std::wstring>{L" Anmeldung an das Mailkonto läuft ...", L" Das Mailkonto wird geöffnet ..."}));
  EXPECT_EQ(rig.probe.questions, 0) << "the connection's name is asked once the session has ended";
  rig.Ticks(90);
  EXPECT_EQ(rig.trace.text, L"Connecting to pop.example.com:995, 995 via 'DSL' on 14:05:09\r\n\r\n");
}

TEST(Pop3Check, ConnectsToPort110WithoutSuffixAndShowsEmptyConnectionName) {
  EngineRig rig;
  rig.probe.name.clear();
  rig.check.StartPop3Check();
  EXPECT_EQ(rig.socket.connects[0].port, 110);
  EXPECT_EQ(rig.socket.connects[0].security, ConnectionSecurity::kPlain);
  rig.Receive("-ERR busy\r\n");
  EXPECT_EQ(rig.trace.text, L"Connecting to pop.example.com, 110 via '' on 14:05:09\r\n\r\nRCVD: -ERR busy\r\n");
}

TEST(Pop3Check, RunsWithoutWaitingForTheConnectionNameWhoseLineThenLeadsTheTrace) {
  EngineRig rig;
  rig.probe.holdsAnswer = true;
  rig.trace.text = L"the previous session";
  rig.check.StartPop3Check();
  rig.Receive("+OK ready\r\n");
  rig.check.StartPop3Check();  // abandons it before the name has come
  rig.Receive("+OK ready\r\n");
  rig.Receive(kNoCapa);
  rig.Receive("-ERR who\r\n");
  EXPECT_EQ(rig.status.Text(), L" Postfach nicht bekannt.");
  EXPECT_EQ(rig.socket.sent.size(), 3u);
  // The session's own lines show at once, in place of the previous session's.
  const std::wstring lines =
      L"RCVD: +OK ready\r\n\r\n1010 SEND: CAPA\r\n"
      L"RCVD: -ERR unknown command\r\n\r\n1001 SEND: USER vorname.nachname@example.com\r\n"
      L"RCVD: -ERR who\r\n";
  EXPECT_EQ(rig.trace.text, lines);

  // The line tells the server and the time of the start.
  rig.fields.server = L"other.example.com";
  rig.clock.time = L"14:06:00";
  rig.probe.GiveAnswer();
  EXPECT_EQ(rig.trace.text, L"Connecting to pop.example.com, 110 via 'DSL' on 14:05:09\r\n\r\n" + lines);
  EXPECT_EQ(rig.probe.questions, 1) << "the abandoned session asked for no name";
}

TEST(Pop3Check, TheNameOfAnEndedSessionNeverLeadsTheTraceOfALaterOne) {
  EngineRig rig;
  rig.probe.holdsAnswer = true;
  rig.check.StartPop3Check();
  rig.Receive("-ERR busy\r\n");
  rig.clock.time = L"14:06:00";
  rig.check.StartPop3Check();
  rig.probe.GiveAnswer();
  EXPECT_EQ(rig.trace.text, L"");
  rig.Receive("-ERR still busy\r\n");
  rig.probe.GiveAnswer();
  EXPECT_EQ(rig.trace.text,
            L"Connecting to pop.example.com, 110 via 'DSL' on 14:06:00\r\n\r\nRCVD: -ERR still busy\r\n");
}

TEST(Pop3Check, WholeSuccessfulSessionTraceByteForByte) {
  EngineRig rig;
  rig.check.StartPop3Check();
  rig.Receive("+OK Dovecot ready.\r\n");
  rig.Receive("+OK\r\nUSER\r\n.\r\n");
  rig.Receive("+OK\r\n");
  rig.Receive("+OK Logged in.\r\n");
  rig.Receive("+OK 1 512\r\n");

  EXPECT_EQ(rig.trace.text,
            L"Connecting to pop.example.com, 110 via 'DSL' on 14:05:09\r\n"
            L"\r\n"
            L"RCVD: +OK Dovecot ready.\r\n"
            L"\r\n"
            L"1010 SEND: CAPA\r\n"
            L"RCVD: +OK\r\nUSER\r\n.\r\n"
            L"\r\n"
            L"1001 SEND: USER vorname.nachname@example.com\r\n"
            L"RCVD: +OK\r\n"
            L"\r\n"
            L"1002 SEND: PASS geheim\r\n"
            L"RCVD: +OK Logged in.\r\n"
            L"\r\n"
            L"1003 SEND: LIST 1\r\n"
            L"RCVD: +OK 1 512\r\n");
  EXPECT_EQ(rig.socket.sent, (std::vector<std::string>{"CAPA\r\n", "USER vorname.nachname@example.com\r\n",
                                                       "PASS geheim\r\n", "LIST 1\r\n"}));
  EXPECT_EQ(rig.socket.tlsStarts, 0);
  EXPECT_EQ(rig.status.Text(), L" Neue Mail liegt vor ...");
  EXPECT_EQ(rig.starter.started, std::vector<std::wstring>{L"C:\\Mail\\mail.exe"});
  EXPECT_EQ(rig.starter.beeps, 0);
  EXPECT_EQ(rig.check.CheckStep(), 1003);
  EXPECT_FALSE(rig.tick.enabled);
  EXPECT_FALSE(rig.socket.open);
}

TEST(Pop3CheckStls, UpgradesWhenOfferedAndLogsInOnlyOnceTheChannelIsAccepted) {
  EngineRig rig;
  rig.check.StartPop3Check();
  rig.Receive("+OK Dovecot ready.\r\n");
  rig.Receive(kCapaWithStls);
  rig.Receive("+OK Begin TLS negotiation now.\r\n");
  EXPECT_EQ(rig.socket.tlsStarts, 1);
  EXPECT_EQ(rig.check.CheckStep(), 1012);
  EXPECT_TRUE(rig.tick.enabled) << "the handshake and the judgement are a wait like any other";
  rig.Ticks(89);
  EXPECT_EQ(rig.socket.sent, (std::vector<std::string>{"CAPA\r\n", "STLS\r\n"})) << "nothing before acceptance";

  rig.check.Pop3Sock_TlsReport(
      {TlsOutcome::kEstablished, 0, {L"TLS 1.3", L"TLS_AES_256_GCM_SHA384", L"CN=pop.example.com", L"CN=CA"}});
  EXPECT_EQ(rig.check.WatchdogTicks(), 0);
  for (const char* r : {"+OK\r\n", "+OK Logged in.\r\n", "+OK 1 512\r\n"}) rig.Receive(r);

  EXPECT_EQ(rig.trace.text,
            L"Connecting to pop.example.com, 110 via 'DSL' on 14:05:09\r\n\r\n"
            L"RCVD: +OK Dovecot ready.\r\n\r\n"
            L"1010 SEND: CAPA\r\n"
            L"RCVD: +OK\r\nTOP\r\nUSER\r\nstls\r\nSASL PLAIN\r\n.\r\n\r\n"
            L"1011 SEND: STLS\r\n"
            L"RCVD: +OK Begin TLS negotiation now.\r\n"
            L"TLS 1.3, TLS_AES_256_GCM_SHA384, Zertifikat: CN=pop.example.com ausgestellt von CN=CA\r\n\r\n"
            L"1001 SEND: USER vorname.nachname@example.com\r\n"
            L"RCVD: +OK\r\n\r\n"
            L"1002 SEND: PASS geheim\r\n"
            L"RCVD: +OK Logged in.\r\n\r\n"
            L"1003 SEND: LIST 1\r\n"
            L"RCVD: +OK 1 512\r\n");
  EXPECT_EQ(rig.status.Text(), L" Neue Mail liegt vor ...");
}

TEST(Pop3CheckStls, AFailedChannelAfterTheServersAgreementEndsWithItsTextAndNothingInClear) {
  EngineRig rig;
  rig.check.StartPop3Check();
  for (const std::string& r : {std::string("+OK\r\n"), kCapaWithStls, std::string("+OK\r\n")}) rig.Receive(r);
  rig.check.Pop3Sock_TlsReport({TlsOutcome::kUntrustedCertificate, 0x800B0109, {}});
  EXPECT_EQ(rig.status.Text(), L" Sichere Verbindung fehlgeschlagen: Zertifikat nicht vertrauenswürdig");
  EXPECT_FALSE(rig.socket.open);
  EXPECT_FALSE(rig.tick.enabled);
  EXPECT_EQ(rig.socket.connects.size(), 1u) << "no second connection in clear";
  EXPECT_EQ(rig.socket.sent, (std::vector<std::string>{"CAPA\r\n", "STLS\r\n"}));
}

TEST(Pop3CheckStls, TheCapabilityListIsJoinedWhereverTheServerSplitsIt) {
  for (std::size_t split = 1; split < kCapaWithStls.size(); ++split) {
    EngineRig rig;
    rig.check.StartPop3Check();
    rig.Receive("+OK\r\n");
    rig.Receive(kCapaWithStls.substr(0, split));
    EXPECT_EQ(rig.socket.sent.size(), 1u) << split;
    rig.Receive(kCapaWithStls.substr(split));
    EXPECT_EQ(rig.socket.sent.back(), "STLS\r\n") << split;
  }
}

TEST(Pop3CheckStls, ACapabilityListWithoutItsEndIsCutOffAtTheReplyLimit) {
  EngineRig rig;
  rig.check.StartPop3Check();
  rig.Receive("+OK\r\n");
  std::string list = "+OK\r\n";
  while (list.size() < Pop3Check::kMaxReplyBytes - 1) list += "X\r\n";
  rig.Receive(list.substr(0, Pop3Check::kMaxReplyBytes - 1));
  EXPECT_EQ(rig.check.CheckStep(), 1010);
  rig.Receive("X");
  EXPECT_EQ(rig.check.CheckStep(), 1001);
}

TEST(Pop3CheckStls, AMailboxRefusedOverTlsIsStillUnknown) {
  EngineRig rig;
  rig.fields.server = L"pop.example.com:995";
  rig.check.StartPop3Check();
  rig.Receive("+OK\r\n");
  rig.Receive("-ERR [AUTH] no such user\r\n");
  EXPECT_EQ(rig.status.Text(), L" Postfach nicht bekannt.");
}

// Each row: the replies that lead to a step, then the one that is judged there.
struct StepCase {
  const char* name;
  std::vector<std::string> before;
  std::string reply;
  std::int32_t stepAfter;
  std::wstring status;
  std::string sent;  // the command sent in answer, empty when the session ended
};

void PrintTo(const StepCase& c, std::ostream* os) { *os << c.name; }

class StateTable : public ::testing::TestWithParam<StepCase> {};

TEST_P(StateTable, ActsOnTheReplyByStep) {
  const StepCase& c = GetParam();
  EngineRig rig;
  rig.check.StartPop3Check();
  for (const auto& r : c.before) rig.Receive(r);
  const auto sentBefore = rig.socket.sent.size();
  const auto closesBefore = rig.socket.closes;
  rig.Receive(c.reply);

  EXPECT_EQ(rig.check.CheckStep(), c.stepAfter);
  if (c.sent.empty()) {
    EXPECT_EQ(rig.socket.sent.size(), sentBefore);
    EXPECT_EQ(rig.socket.closes, closesBefore + 1);
    EXPECT_FALSE(rig.tick.enabled);
    EXPECT_EQ(rig.status.Text(), c.status);
  } else {
    ASSERT_EQ(rig.socket.sent.size(), sentBefore + 1);
    EXPECT_EQ(rig.socket.sent.back(), c.sent);
    EXPECT_TRUE(rig.tick.enabled);
    EXPECT_EQ(rig.check.WatchdogTicks(), 0);
    EXPECT_EQ(rig.status.Text(), L" Das Mailkonto wird geöffnet ...");
  }
}

// The replies of a login in clear up to the USER command.
const std::vector<std::string> kToUser = {"+OK\r\n", kNoCapa};

std::vector<std::string> Then(std::vector<std::string> replies, std::initializer_list<std::string> more) {
  replies.insert(replies.end(), more);
  return replies;
}

INSTANTIATE_TEST_SUITE_P(
    Pop3Check, StateTable,
    ::testing::Values(
        StepCase{"GreetingOk", {}, "+OK ready\r\n", 1010, L"", "CAPA\r\n"},
        StepCase{"GreetingBad", {}, "-ERR busy\r\n", 1000, L" Host antwortet nicht", ""},
        StepCase{"CapaWithStls", {"+OK\r\n"}, kCapaWithStls, 1011, L"", "STLS\r\n"},
        StepCase{"CapaWithoutStls",
                 {"+OK\r\n"},
                 "+OK Capability list follows\r\nXSTLS\r\nSTLSX\r\nUSER\r\n.\r\n",
                 1001,
                 L"",
                 "USER vorname.nachname@example.com\r\n"},
        StepCase{"CapaNegative", {"+OK\r\n"}, kNoCapa, 1001, L"", "USER vorname.nachname@example.com\r\n"},
        StepCase{"StlsNegative",
                 {"+OK\r\n", kCapaWithStls},
                 "-ERR not now\r\n",
                 1001,
                 L"",
                 "USER vorname.nachname@example.com\r\n"},
        StepCase{"UserOk", kToUser, "+OK\r\n", 1002, L"", "PASS geheim\r\n"},
        StepCase{"UserBad", kToUser, "-ERR who\r\n", 1001, L" Postfach nicht bekannt.", ""},
        StepCase{"UserRefusedInClear", kToUser,
                 "-ERR [AUTH] Plaintext authentication disallowed on non-secure (SSL/TLS) connections.\r\n", 1001,
                 L" Anmeldung abgelehnt: Server verlangt sichere Verbindung", ""},
        StepCase{"PassOk", Then(kToUser, {"+OK\r\n"}), "+OK\r\n", 1003, L"", "LIST 1\r\n"},
        StepCase{"PassBad", Then(kToUser, {"+OK\r\n"}), "-ERR [AUTH] failed\r\n", 1002,
                 L" Postfach und/oder Passwort nicht korrekt.", ""},
        StepCase{"ListOk", Then(kToUser, {"+OK\r\n", "+OK\r\n"}), "+OK 1 300\r\n", 1003, L" Neue Mail liegt vor ...",
                 ""},
        StepCase{"ListBad", Then(kToUser, {"+OK\r\n", "+OK\r\n"}), "-ERR no such message\r\n", 1003, L" Postfach leer",
                 ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Pop3Check, EmptyMailboxDoesNotStartTheMailClient) {
  EngineRig rig;
  rig.check.StartPop3Check();
  for (const std::string& r : Then(kToUser, {"+OK\r\n", "+OK\r\n", "-ERR no such message\r\n"})) rig.Receive(r);
  EXPECT_TRUE(rig.starter.started.empty());
  EXPECT_EQ(rig.starter.beeps, 0);
}

TEST(Pop3Check, AMailClientThatCannotStartBeepsOnceAndStillReportsNewMail) {
  EngineRig rig;
  rig.fields.mailClient.clear();
  rig.starter.succeeds = false;
  rig.check.StartPop3Check();
  for (const std::string& r : Then(kToUser, {"+OK\r\n", "+OK\r\n", "+OK 1 1\r\n"})) rig.Receive(r);
  EXPECT_EQ(rig.starter.started, std::vector<std::wstring>{L""});
  EXPECT_EQ(rig.starter.beeps, 1);
  EXPECT_EQ(rig.status.Text(), L" Neue Mail liegt vor ...");
}

TEST(Pop3Check, FieldsAreReadWhenNeededAndSentUntouchedAsUtf8) {
  EngineRig rig;
  rig.fields.mailbox = L" jörg ";
  rig.check.StartPop3Check();
  for (const std::string& r : kToUser) rig.Receive(r);
  rig.fields.password = L"";  // changed after the session started: the current text counts
  rig.Receive("+OK\r\n");
  EXPECT_EQ(rig.socket.sent, (std::vector<std::string>{"CAPA\r\n", "USER  j\xC3\xB6rg \r\n", "PASS \r\n"}));
}

TEST(Pop3Check, AReplySplitByTcpIsJoinedUntilItsLineEnd) {
  EngineRig rig;
  rig.check.StartPop3Check();
  rig.Receive("+O");
  EXPECT_EQ(rig.check.CheckStep(), 1000);
  EXPECT_TRUE(rig.tick.enabled) << "the watchdog keeps counting while a reply is incomplete";
  rig.Receive("K ready");
  rig.Receive("\r\n");
  EXPECT_EQ(rig.check.CheckStep(), 1010);
  rig.Ticks(90);  // the trace is whole once the session has ended
  EXPECT_EQ(rig.trace.text.substr(rig.trace.text.find(L"RCVD")), L"RCVD: +OK ready\r\n\r\n1010 SEND: CAPA\r\n");
}

TEST(Pop3Check, TwoRepliesInOneNotificationAreOneReplyTracedWhole) {
  EngineRig rig;
  rig.check.StartPop3Check();
  rig.Receive("+OK hi\r\n-ERR extra\r\n");
  EXPECT_EQ(rig.check.CheckStep(), 1010);
  rig.Ticks(90);
  EXPECT_NE(rig.trace.text.find(L"RCVD: +OK hi\r\n-ERR extra\r\n\r\n1010 SEND"), std::wstring::npos);
}

TEST(Pop3Check, AReplyWithoutLineEndIsCutOffAt4096Bytes) {
  EngineRig rig;
  rig.check.StartPop3Check();
  rig.Receive(std::string(4095, 'x'));
  EXPECT_EQ(rig.check.CheckStep(), 1000);
  EXPECT_TRUE(rig.tick.enabled);
  rig.Receive("y");
  EXPECT_EQ(rig.status.Text(), L" Host antwortet nicht");
  EXPECT_FALSE(rig.socket.open);
}

TEST(Pop3Check, AHalfLineFollowedBySilenceEndsWithTheTimeout) {
  EngineRig rig;
  rig.check.StartPop3Check();
  rig.Receive("+OK hel");
  rig.Ticks(90);
  EXPECT_EQ(rig.status.Text(), kTimeout);
  EXPECT_EQ(rig.check.CheckStep(), 1000);
}

TEST(Pop3Check, ReplyTextIsDecodedForTheTraceWithNulAndInvalidBytesKept) {
  EngineRig rig;
  rig.check.StartPop3Check();
  rig.Receive(std::string("+OK gr\xC3\xBC\xDF\0e \xFC\r\n", 15));
  rig.Ticks(90);
  EXPECT_NE(rig.trace.text.find(L"RCVD: +OK grü\u00DF\u2400e \u00FC\r\n"), std::wstring::npos);
  EXPECT_EQ(rig.check.CheckStep(), 1010);
}

TEST(Pop3Check, AReplyAfterTheSessionEndedIsIgnoredBecauseTheSocketIsClosed) {
  EngineRig rig;
  rig.check.StartPop3Check();
  rig.Receive("-ERR\r\n");
  EXPECT_FALSE(rig.socket.open);
  EXPECT_TRUE(rig.socket.GetData().empty());
}

TEST(Pop3Check, AReplyBeforeAnySessionIsTracedAndOtherwiseIgnored) {
  EngineRig rig;
  rig.Receive("+OK\r\n");
  EXPECT_EQ(rig.check.CheckStep(), 0);
  EXPECT_EQ(rig.trace.text, L"RCVD: +OK\r\n");
  EXPECT_TRUE(rig.status.history.empty());
  EXPECT_TRUE(rig.socket.sent.empty());
}

TEST(Watchdog, Tick89StillWaitsAndAReplyThenIsHandled) {
  EngineRig rig;
  rig.check.StartPop3Check();
  rig.Ticks(89);
  EXPECT_EQ(rig.check.WatchdogTicks(), 89);
  EXPECT_TRUE(rig.tick.enabled);
  rig.Receive("+OK\r\n");
  EXPECT_EQ(rig.check.CheckStep(), 1010);
  EXPECT_EQ(rig.check.WatchdogTicks(), 0) << "each command restarts the count";
  rig.Ticks(89);
  rig.Receive(kNoCapa);
  EXPECT_EQ(rig.check.CheckStep(), 1001);
}

TEST(Watchdog, Tick90EndsTheSessionAndNoTickFollows) {
  EngineRig rig;
  rig.check.StartPop3Check();
  rig.Receive("+OK\r\n");
  rig.Ticks(90);
  EXPECT_EQ(rig.status.Text(), kTimeout);
  EXPECT_EQ(rig.check.CheckStep(), 1010);
  EXPECT_EQ(rig.check.WatchdogTicks(), 90);
  EXPECT_FALSE(rig.tick.enabled);
  EXPECT_FALSE(rig.socket.open);
  const std::wstring lastSent = L"1010 SEND: CAPA\r\n";
  EXPECT_EQ(rig.trace.text.substr(rig.trace.text.size() - lastSent.size()), lastSent) << "the timeout adds no trace";
  rig.Ticks(10);
  EXPECT_EQ(rig.check.WatchdogTicks(), 90);
}

TEST(Watchdog, ANewSessionRestartsTheCount) {
  EngineRig rig;
  rig.check.StartPop3Check();
  rig.Ticks(50);
  rig.check.StartPop3Check();
  EXPECT_EQ(rig.check.WatchdogTicks(), 0);
  rig.Ticks(89);
  EXPECT_TRUE(rig.tick.enabled);
  rig.Ticks(1);
  EXPECT_EQ(rig.status.Text(), kTimeout);
}

TEST(Pop3Check, ASecondStartAbandonsTheFirstSession) {
  EngineRig rig;
  rig.check.StartPop3Check();
  rig.Receive("+OK\r\n");
  rig.socket.waiting = "+OK late from the old server";  // arrives, but the connection is abandoned
  rig.fields.server = L"other.example.com";
  rig.check.StartPop3Check();

  EXPECT_EQ(rig.socket.closes, 2);
  EXPECT_TRUE(rig.socket.GetData().empty());
  EXPECT_EQ(rig.check.CheckStep(), 1000);
  rig.Receive("-ERR\r\n");
  EXPECT_EQ(rig.status.Text(), L" Host antwortet nicht");
  EXPECT_EQ(rig.trace.text, L"Connecting to other.example.com, 110 via 'DSL' on 14:05:09\r\n\r\nRCVD: -ERR\r\n");
}

TEST(Pop3Check, APartialReplyOfAnAbandonedSessionIsNotJoinedToTheNext) {
  EngineRig rig;
  rig.check.StartPop3Check();
  rig.Receive("-ER");
  rig.check.StartPop3Check();
  rig.Receive("+OK\r\n");
  EXPECT_EQ(rig.check.CheckStep(), 1010);
}

TEST(Pop3CheckTls, AnEstablishedChannelIsTracedAfterTheConnectLineAndTheSessionGoesOn) {
  EngineRig rig;
  rig.fields.server = L"pop.example.com:995";
  rig.check.StartPop3Check();
  rig.check.Pop3Sock_TlsReport(
      {TlsOutcome::kEstablished, 0, {L"TLS 1.2", L"ECDHE-RSA-AES256-GCM-SHA384", L"CN=pop.example.com", L"CN=CA"}});
  EXPECT_TRUE(rig.tick.enabled) << "the handshake is part of the wait for the greeting";
  rig.Receive("+OK ready\r\n");
  rig.Ticks(90);

  EXPECT_EQ(rig.trace.text,
            L"Connecting to pop.example.com:995, 995 via 'DSL' on 14:05:09\r\n\r\n"
            L"TLS 1.2, ECDHE-RSA-AES256-GCM-SHA384, Zertifikat: CN=pop.example.com ausgestellt von CN=CA\r\n"
            L"RCVD: +OK ready\r\n\r\n"
            L"1001 SEND: USER vorname.nachname@example.com\r\n");
  EXPECT_EQ(rig.check.CheckStep(), 1001);
}

struct TlsFailureCase {
  TlsOutcome outcome;
  std::uint32_t code;
  std::wstring status;
  std::wstring traceLine;
};

class Pop3CheckTlsFailure : public ::testing::TestWithParam<TlsFailureCase> {};

TEST_P(Pop3CheckTlsFailure, EndsTheSessionAtOnceWithItsOwnText) {
  const TlsFailureCase& c = GetParam();
  EngineRig rig;
  rig.fields.server = L"pop.example.com:995";
  rig.check.StartPop3Check();
  const int closesBefore = rig.socket.closes;
  rig.check.Pop3Sock_TlsReport({c.outcome, c.code, {}});

  EXPECT_EQ(rig.status.Text(), c.status);
  EXPECT_FALSE(rig.tick.enabled);
  EXPECT_EQ(rig.socket.closes, closesBefore + 1);
  EXPECT_EQ(rig.check.CheckStep(), 1000);
  EXPECT_TRUE(rig.socket.sent.empty());
  EXPECT_TRUE(rig.starter.started.empty());
  EXPECT_EQ(rig.trace.text, L"Connecting to pop.example.com:995, 995 via 'DSL' on 14:05:09\r\n\r\n" + c.traceLine);
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, Pop3CheckTlsFailure,
    ::testing::Values(TlsFailureCase{TlsOutcome::kUntrustedCertificate, 0x800B0109,
                                     L" Sichere Verbindung fehlgeschlagen: Zertifikat nicht vertrauenswürdig",
                                     L"TLS failed: 0x800B0109\r\n"},
                      TlsFailureCase{TlsOutcome::kWrongHost, 0x800B010F,
                                     L" Sichere Verbindung fehlgeschlagen: Zertifikat gehört nicht zu diesem Server",
                                     L"TLS failed: 0x800B010F\r\n"},
                      TlsFailureCase{TlsOutcome::kExpiredCertificate, 0x800B0101,
                                     L" Sichere Verbindung fehlgeschlagen: Zertifikat abgelaufen",
                                     L"TLS failed: 0x800B0101\r\n"},
                      TlsFailureCase{TlsOutcome::kFailed, 0x80090326, L" Sichere Verbindung fehlgeschlagen",
                                     L"TLS failed: 0x80090326\r\n"}));

TEST(Pop3CheckTls, ARecordErrorBeforeTheListReplyStartsNoMailClient) {
  EngineRig rig;
  rig.fields.server = L"pop.example.com:995";
  rig.check.StartPop3Check();
  rig.Receive("+OK\r\n");
  rig.Receive("+OK\r\n");
  rig.Receive("+OK\r\n");
  rig.check.Pop3Sock_TlsReport({TlsOutcome::kFailed, 0x80090321, {}});
  EXPECT_EQ(rig.status.Text(), L" Sichere Verbindung fehlgeschlagen");
  EXPECT_EQ(rig.check.CheckStep(), 1003);
  EXPECT_TRUE(rig.starter.started.empty());
  EXPECT_FALSE(rig.tick.enabled);
}

}  // namespace
}  // namespace pbw
