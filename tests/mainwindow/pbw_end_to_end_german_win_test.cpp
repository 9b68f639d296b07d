// The real PBW.exe on a German Windows, where the system names every Ethernet and WLAN link
// "LAN-Verbindung": started as at log-on and left alone, it checks on schedule. CTest runs this
// program under a German locale.

#include <gtest/gtest.h>

#include <chrono>

#include "tests/support/end_to_end_fixture_win.h"
#include "tests/support/message_pump_win.h"
#include "tests/support/pbw_remote_win.h"
#include "tests/support/scripted_pop3_server_win.h"
#include "tests/support/shown_status.h"

namespace pbw {
namespace {

class EndToEndGerman : public testing::EndToEndFixture {
 protected:
  EndToEndGerman() : EndToEndFixture(L"pbw-e2e-de") {}
};

TEST_F(EndToEndGerman, AScheduledCheckReachesTheServerOverALanVerbindung) {
  testing::ScriptedPop3Server server(
      testing::ScriptedPop3Server::Session("anna@example.com", "geheim", "+OK 1 512\r\n"));
  ASSERT_TRUE(server.Listening());
  Store({{L"POP3", L"127.0.0.1:" + std::to_wstring(server.Port())},
         {L"MBOX", L"anna@example.com"},
         {L"PASS", Scrambled(L"geheim")},
         {L"TIME", L"0"}});  // every minute
  testing::RunningPbw pbw(Exe(), L"/AUTOSTART");
  ASSERT_TRUE(pbw.Started());

  // The first tick of the schedule comes a minute after the start; no button is pressed.
  EXPECT_TRUE(pbw.WaitForStatus(testing::Shown(status_text::kNewMail), std::chrono::minutes(3))) << pbw.StatusLine();
  // The connect line waits for the session's own question about the connection.
  EXPECT_TRUE(testing::PumpMessagesUntil([&] {
    return pbw.Text(ControlId::T).find(L" via 'LAN-Verbindung' on ") != std::wstring::npos;
  })) << pbw.Text(ControlId::T);
}

}  // namespace
}  // namespace pbw
