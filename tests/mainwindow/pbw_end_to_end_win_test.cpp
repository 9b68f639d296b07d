// The real PBW.exe, started from a copy in a folder of its own and driven from this process as a
// user would: tray notification, fields, buttons, close box; its status bar read back.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <thread>

#include "about/info_form_layout.h"
#include "common/wide_text_win.h"
#include "resources/program_identity.h"
#include "tests/support/dovecot/dovecot_fixture.h"
#include "tests/support/end_to_end_fixture_win.h"
#include "tests/support/pbw_remote_win.h"
#include "tests/support/raw_registry_value_win.h"
#include "tests/support/scripted_pop3_server_win.h"
#include "tests/support/shown_status.h"
#include "tests/support/stand_in_mail_client_win.h"
#include "tests/support/test_files_win.h"

namespace pbw {
namespace {

using testing::RunningPbw;
using Server = testing::ScriptedPop3Server;

class EndToEnd : public testing::EndToEndFixture {
 protected:
  EndToEnd() : EndToEndFixture(L"pbw-e2e") {}

  // Opens the window from the tray, as a user would, and presses "&Test".
  static void PressTest(const RunningPbw& pbw) {
    pbw.TrayNotification(WM_LBUTTONDOWN);
    pbw.Press(ControlId::Btn2);
  }
  // Dates the program file `days` days back, as if it had been installed then.
  void SetExeAge(int days) {
    FILETIME now{};
    ::GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER stamp{{now.dwLowDateTime, now.dwHighDateTime}};
    stamp.QuadPart -= static_cast<ULONGLONG>(days) * 24 * 3600 * 10000000ULL;
    const FILETIME written{stamp.LowPart, stamp.HighPart};
    const UniqueKernelHandle file(
        ::CreateFileW(Exe().c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ::SetFileTime(file.get(), nullptr, nullptr, &written);
  }
};

std::vector<Server::Step> Session(const char* listReply) {
  return Server::Session("anna@example.com", "geheim", listReply);
}

TEST_F(EndToEnd, StartsHiddenAtLogOnAndShowsTheStoredSettingsOnATrayPress) {
  Store({{L"POP3", L"pop.example.com"},
         {L"PORT", L"995"},
         {L"MBOX", L"anna@example.com"},
         {L"PASS", Scrambled(L"geheim")},
         {L"CLIENT", L"C:\\Mail\\mail.exe "},
         {L"TIME", L"16"}});
  RunningPbw pbw(Exe(), L"/AUTOSTART");
  ASSERT_TRUE(pbw.Started());
  EXPECT_FALSE(pbw.IsVisible());

  pbw.TrayNotification(WM_MOUSEMOVE);
  pbw.TrayNotification(WM_LBUTTONUP);
  EXPECT_FALSE(pbw.IsVisible()) << "only a button press shows the window";
  pbw.TrayNotification(WM_RBUTTONDOWN);
  EXPECT_TRUE(pbw.IsVisible());

  EXPECT_EQ(pbw.Text(ControlId::ServerNameTB), L"pop.example.com:995");
  EXPECT_EQ(pbw.Text(ControlId::PostfachNameTB), L"anna@example.com");
  EXPECT_EQ(pbw.Text(ControlId::PasswortTB), L"geheim");
  EXPECT_EQ(pbw.Text(ControlId::MailClientTB), L"C:\\Mail\\mail.exe ");
  EXPECT_EQ(pbw.SelectedIndex(ControlId::IntervalList), 16);
  EXPECT_EQ(pbw.StatusLine(), L"");
}

TEST_F(EndToEnd, AStartByHandShowsTheWindowWithTheExamplesAndFiveMinutesOfAnEmptyStore) {
  RunningPbw pbw(Exe());
  ASSERT_TRUE(pbw.Started());
  EXPECT_TRUE(pbw.IsVisible()) << "a new tray icon hides behind the overflow arrow";
  EXPECT_EQ(pbw.Text(ControlId::ServerNameTB), L"pop.example.com");
  EXPECT_EQ(pbw.Text(ControlId::PostfachNameTB), L"vorname.nachname@example.com");
  EXPECT_EQ(pbw.Text(ControlId::PasswortTB), L"");
  EXPECT_EQ(pbw.Text(ControlId::MailClientTB), L"");
  EXPECT_EQ(pbw.SelectedIndex(ControlId::IntervalList), 4);
}

TEST_F(EndToEnd, GarbageInEveryKeyStillStartsWithSensibleValues) {
  Store({{L"POP3", L"  \u00FF\u4E2D "},
         {L"PORT", L"x99"},
         {L"MBOX", L""},
         {L"PASS", L"zz\u00E4!"},
         {L"CLIENT", std::wstring(5000, L'c')},
         {L"TIME", L"abc"}});
  RunningPbw pbw(Exe());
  ASSERT_TRUE(pbw.Started());
  EXPECT_EQ(pbw.Text(ControlId::ServerNameTB), L"  \u00FF\u4E2D ");
  EXPECT_EQ(pbw.Text(ControlId::MailClientTB).size(), 5000u);
  EXPECT_EQ(pbw.SelectedIndex(ControlId::IntervalList), 0) << "a TIME that is no number reads as 0";
}

// "&Test" against a scripted server: the answer to LIST decides, and only mail starts the client.
struct ScriptedCase {
  const char* name;
  const char* listReply;
  std::wstring status;
  bool startsMailClient;
};

void PrintTo(const ScriptedCase& c, std::ostream* os) { *os << c.name; }

class EndToEndScripted : public EndToEnd, public ::testing::WithParamInterface<ScriptedCase> {};

TEST_P(EndToEndScripted, TestEndsWithTheAnswerToList) {
  const ScriptedCase& c = GetParam();
  const auto mailClient = testing::InstallStandInMailClient(Folder());
  Server server(Session(c.listReply));
  ASSERT_TRUE(server.Listening());
  Store({{L"POP3", L"127.0.0.1:" + std::to_wstring(server.Port())},
         {L"MBOX", L"anna@example.com"},
         {L"PASS", Scrambled(L"geheim")},
         {L"CLIENT", mailClient.program.wstring()}});
  RunningPbw pbw(Exe());
  ASSERT_TRUE(pbw.Started());
  PressTest(pbw);

  EXPECT_TRUE(pbw.WaitForStatus(c.status)) << pbw.StatusLine();
  // The trace box is written only when something asks for its text, as this test does.
  const std::string listReply = c.listReply;
  EXPECT_TRUE(testing::PumpMessagesUntil([&] {
    const std::wstring trace = pbw.Text(ControlId::T);
    return trace.starts_with(L"Connecting to 127.0.0.1:") &&
           trace.ends_with(L"RCVD: " + std::wstring(listReply.begin(), listReply.end()));
  })) << pbw.Text(ControlId::T);
  const auto selection = static_cast<DWORD>(::SendMessageW(pbw.Control(ControlId::T), EM_GETSEL, 0, 0));
  const auto end = static_cast<WORD>(pbw.Text(ControlId::T).size());
  EXPECT_EQ(LOWORD(selection), end) << "the caret stands at the end of the trace";
  EXPECT_EQ(HIWORD(selection), end);
  if (c.startsMailClient) {
    EXPECT_TRUE(testing::PumpMessagesUntil([&] { return std::filesystem::exists(mailClient.ProgramMarker()); }));
  } else {
    EXPECT_FALSE(std::filesystem::exists(mailClient.ProgramMarker()));
  }
  EXPECT_FALSE(std::filesystem::exists(mailClient.DecoyMarker()));
}

INSTANTIATE_TEST_SUITE_P(Lists, EndToEndScripted,
                         ::testing::Values(ScriptedCase{"NewMail", "+OK 1 512\r\n",
                                                        testing::Shown(status_text::kNewMail), true},
                                           ScriptedCase{"Empty", "-ERR no such message\r\n",
                                                        testing::Shown(status_text::kMailboxEmpty), false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(EndToEnd, OkTheCloseBoxAndAltF4OnlyHide) {
  RunningPbw pbw(Exe());
  ASSERT_TRUE(pbw.Started());
  pbw.TrayNotification(WM_LBUTTONDOWN);
  pbw.Press(ControlId::Btn1);
  EXPECT_FALSE(pbw.IsVisible());

  pbw.TrayNotification(WM_LBUTTONDOWN);
  EXPECT_TRUE(pbw.IsVisible());
  pbw.Close();
  EXPECT_FALSE(pbw.IsVisible());

  pbw.TrayNotification(WM_LBUTTONDOWN);
  pbw.AltF4();
  EXPECT_TRUE(testing::PumpMessagesUntil([&] { return !pbw.IsVisible(); }));
  EXPECT_FALSE(pbw.HasExited());
  EXPECT_TRUE(testing::HasTrayIcon(pbw.MainWindow()));
  EXPECT_EQ(Stored(L"PORT"), L"<missing>") << "hiding saves nothing";
}

// The task manager's "End task", taskkill and installers: the program unloads as with "&Ende".
// (Wine itself drops the icons of a window that is gone, so the icon's removal is not visible here.)
TEST_F(EndToEnd, TheKeyboardIsOnTheServerFieldFirstThenWhereTheUserLeftIt) {
  RunningPbw pbw(Exe());
  ASSERT_TRUE(pbw.Started());
  pbw.TrayNotification(WM_LBUTTONDOWN);
  EXPECT_EQ(pbw.Focus(), pbw.Control(ControlId::ServerNameTB));

  // Keys and activation reach the program through its queue, after the calls here return.
  const auto focusComesTo = [&](ControlId id) {
    return testing::PumpMessagesUntil([&] { return pbw.Focus() == pbw.Control(id); });
  };
  pbw.PressKey(VK_TAB);
  pbw.PressKey(VK_TAB);
  ASSERT_TRUE(focusComesTo(ControlId::PasswortTB));
  pbw.Close();
  pbw.TrayNotification(WM_LBUTTONDOWN);
  EXPECT_TRUE(focusComesTo(ControlId::PasswortTB));

  // A click on "&OK" gives it the keyboard before it hides the window; a letter typed on the next
  // show must not press a button.
  pbw.Press(ControlId::Btn1);
  ASSERT_FALSE(pbw.IsVisible());
  pbw.TrayNotification(WM_LBUTTONDOWN);
  EXPECT_TRUE(focusComesTo(ControlId::PasswortTB));
}

TEST_F(EndToEnd, ACloseFromOutsideSavesAndEnds) {
  RunningPbw pbw(Exe());
  ASSERT_TRUE(pbw.Started());
  pbw.SetText(ControlId::PostfachNameTB, L"beenden@example.com");
  pbw.CloseFromOutside();

  ASSERT_TRUE(pbw.WaitForExit());
  EXPECT_EQ(Stored(L"MBOX"), L"beenden@example.com");
  EXPECT_EQ(Stored(L"PORT"), L"110");
}

TEST_F(EndToEnd, ASecondStartShowsTheRunningProgramAndEnds) {
  RunningPbw pbw(Exe(), L"/AUTOSTART");
  ASSERT_TRUE(pbw.Started());
  EXPECT_EQ(testing::RunToEnd(Exe(), L"/AUTOSTART"), 0u);
  EXPECT_FALSE(pbw.IsVisible()) << "the Run entry at log-on starts quietly";

  EXPECT_EQ(testing::RunToEnd(Exe(), L""), 0u);
  EXPECT_TRUE(pbw.IsVisible());
  EXPECT_FALSE(pbw.HasExited());
}

// A window of the program's class and caption that belongs to another program.
class DecoyWindow {
 public:
  DecoyWindow() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &Count;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kMainWindowClass;
    ::RegisterClassW(&windowClass);
    window_.reset(::CreateWindowW(kMainWindowClass, L"PostboxWatchman", WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr,
                                  windowClass.hInstance, nullptr));
  }
  bool Exists() const { return static_cast<bool>(window_); }
  static int Requests() { return requests_; }

 private:
  static LRESULT CALLBACK Count(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_USER) ++requests_;
    return ::DefWindowProcW(window, message, wParam, lParam);
  }
  static inline int requests_ = 0;
  UniqueWindow window_;
};

TEST_F(EndToEnd, ASecondStartDuringTheFirstOnesLoadShowsItsWindowOnceLoadedAndNoOtherWindow) {
  // An old shortcut in the Startup folder that is in use holds the load at a message box.
  constexpr wchar_t kShellFolders[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
  const testing::SavedRegistryValue savedStartup{HKEY_CURRENT_USER, kShellFolders, L"Startup"};
  const testing::SavedRegistryValue savedEntry{HKEY_CURRENT_USER, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run",
                                               kRunEntryName};
  testing::TestFiles startup{L"pbw-e2e-startup"};
  testing::WriteRawValue(HKEY_CURRENT_USER, kShellFolders, L"Startup",
                         {true, REG_SZ, testing::BytesOf(startup.Folder().wstring() + L'\0')});
  const std::wstring shortcut = startup.Create(L"PostboxWatchman.lnk");
  const UniqueKernelHandle inUse(
      ::CreateFileW(shortcut.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
  const DecoyWindow decoy;
  ASSERT_TRUE(decoy.Exists());

  // Started as at log-on, so that only the second start can show the window.
  std::optional<RunningPbw> first;
  std::jthread firstStart([&] { first.emplace(Exe(), L"/AUTOSTART"); });
  HWND message = nullptr;
  ASSERT_TRUE(
      testing::PumpMessagesUntil([&] { return (message = ::FindWindowW(L"#32770", L"PostboxWatchman")) != nullptr; }));
  DWORD secondId = 0;
  const UniqueKernelHandle second = testing::StartProgram(Exe(), L"", secondId);
  ASSERT_TRUE(second);
  // Time for the second start to look for the first one while its load is held.
  testing::PumpMessagesUntil([&] { return ::WaitForSingleObject(second.get(), 0) == WAIT_OBJECT_0; },
                             std::chrono::seconds(3));
  ::PostMessageW(message, WM_COMMAND, IDOK, 0);
  EXPECT_TRUE(testing::PumpMessagesUntil([&] { return ::WaitForSingleObject(second.get(), 0) == WAIT_OBJECT_0; }));
  firstStart.join();

  ASSERT_TRUE(first && first->Started());
  EXPECT_TRUE(first->IsVisible());
  EXPECT_EQ(DecoyWindow::Requests(), 0) << "another program's window is not asked";
}

TEST_F(EndToEnd, EndeSavesTheFieldsAndEndsTheProgram) {
  Store({{L"PORT", L"995"}, {L"TIME", L"2"}});
  RunningPbw pbw(Exe());
  ASSERT_TRUE(pbw.Started());
  pbw.TrayNotification(WM_LBUTTONDOWN);
  pbw.SetText(ControlId::ServerNameTB, L"  pop.example.com:995 ");
  pbw.SetText(ControlId::PostfachNameTB, L" Jörg ");
  pbw.SetText(ControlId::PasswortTB, L" Grüße€ ");
  pbw.SetText(ControlId::MailClientTB, L"C:\\Programme\\Post\\post.exe ");
  pbw.Press(ControlId::Btn22);

  ASSERT_TRUE(pbw.WaitForExit());
  EXPECT_EQ(Stored(L"POP3"), L"pop.example.com:995");
  EXPECT_EQ(Stored(L"PORT"), L"110");
  EXPECT_EQ(Stored(L"MBOX"), L"Jörg");
  EXPECT_NE(Stored(L"PASS").find_first_not_of(L"0123456789ABCDEF"), 0u);
  EXPECT_EQ(Unscrambled(Stored(L"PASS")), L" Grüße€ ");
  EXPECT_EQ(Stored(L"CLIENT"), L"C:\\Programme\\Post\\post.exe ");
  EXPECT_EQ(Stored(L"TIME"), L"2");
}

TEST_F(EndToEnd, TheEndOfTheWindowsSessionSavesToo) {
  RunningPbw pbw(Exe());
  ASSERT_TRUE(pbw.Started());
  pbw.SetText(ControlId::PostfachNameTB, L"abmelden@example.com");
  DWORD_PTR answer = 0;
  ::SendMessageTimeoutW(pbw.MainWindow(), WM_QUERYENDSESSION, 0, 0, SMTO_ABORTIFHUNG, 10000, &answer);
  EXPECT_EQ(answer, static_cast<DWORD_PTR>(TRUE));
  ::SendMessageTimeoutW(pbw.MainWindow(), WM_ENDSESSION, TRUE, 0, SMTO_ABORTIFHUNG, 10000, nullptr);

  EXPECT_EQ(Stored(L"MBOX"), L"abmelden@example.com");
  EXPECT_EQ(Stored(L"PORT"), L"110");
  EXPECT_TRUE(pbw.WaitForExit());
}

TEST_F(EndToEnd, HelpWithoutAHelpPageSaysSo) {
  RunningPbw pbw(Exe());
  ASSERT_TRUE(pbw.Started());
  pbw.TrayNotification(WM_LBUTTONDOWN);
  pbw.PressWithoutWaiting(ControlId::Btn21);

  // The message box has the program's title as its caption, like the main window.
  const HWND message = pbw.WaitForWindowOfProgram(L"PostboxWatchman", pbw.MainWindow());
  ASSERT_NE(message, nullptr);
  EXPECT_NE(testing::ChildWithText(message, L"Die Online-Hilfe konnte leider nicht gefunden werden ..."), nullptr);
  ::PostMessageW(message, WM_COMMAND, IDOK, 0);
  EXPECT_TRUE(testing::PumpMessagesUntil([&] { return !::IsWindow(message); }));
}

TEST_F(EndToEnd, InfoOpensOneAboutDialogThatOutlivesTheMainWindow) {
  RunningPbw pbw(Exe());
  ASSERT_TRUE(pbw.Started());
  pbw.TrayNotification(WM_LBUTTONDOWN);
  pbw.Press(ControlId::Btn20);
  const HWND about = pbw.WaitForWindowOfProgram(L"Info über PostboxWatchman");
  ASSERT_NE(about, nullptr);
  EXPECT_NE(::GetWindow(about, GW_OWNER), pbw.MainWindow()) << "the dialog is independent of the main window";
  const auto texts = testing::ChildTexts(about);
  RECT placed{};
  ::GetWindowRect(about, &placed);
  const auto composed = std::find_if(texts.begin(), texts.end(), [](const std::wstring& text) {
    return text.starts_with(L"PostboxWatchman (V1.1a) \u2013 Ihr automatischer eMail-W\u00E4chter\r\r");
  });
  EXPECT_NE(composed, texts.end());

  pbw.Press(ControlId::Btn20);
  EXPECT_EQ(pbw.FindWindowOfProgram(L"Info über PostboxWatchman"), about) << "one dialog, not two";
  EXPECT_EQ(testing::ChildTexts(about), texts);
  RECT again{};
  ::GetWindowRect(about, &again);
  EXPECT_TRUE(::EqualRect(&placed, &again));

  pbw.Press(ControlId::Btn22);
  EXPECT_TRUE(testing::PumpMessagesUntil([&] { return !pbw.IsLoaded(); }));
  EXPECT_EQ(Stored(L"PORT"), L"110") << "the main window saved on its unload";
  EXPECT_FALSE(pbw.HasExited()) << "the open About dialog keeps the program alive";

  // That program is no instance any more: a new start is, with its window and icon.
  RunningPbw restarted(Exe());
  ASSERT_TRUE(restarted.Started());
  EXPECT_TRUE(restarted.IsVisible());
  EXPECT_TRUE(testing::HasTrayIcon(restarted.MainWindow()));

  const HWND close = ::GetDlgItem(about, info_form::ButtonId(info_form::kCloseWindow));
  ASSERT_NE(close, nullptr);
  ::PostMessageW(close, BM_CLICK, 0, 0);
  EXPECT_TRUE(pbw.WaitForExit());
}

// The file's own date decides: the partner's banner in its first 60 days, then the maker's.
class EndToEndBanner : public EndToEnd, public ::testing::WithParamInterface<int> {};

TEST_P(EndToEndBanner, FollowsTheAgeOfTheProgramFile) {
  const int days = GetParam();
  SetExeAge(days);
  RunningPbw pbw(Exe());
  ASSERT_TRUE(pbw.Started());
  const bool partner = days <= 60;
  // What counts is each picture's own visibility, not the window's.
  const auto shown = [&](ControlId id) { return (::GetWindowLongW(pbw.Control(id), GWL_STYLE) & WS_VISIBLE) != 0; };
  EXPECT_EQ(shown(ControlId::Image1), !partner);
  EXPECT_EQ(shown(ControlId::Image2), partner);
  if (partner) {
    RECT image1{}, image2{};
    ::GetWindowRect(pbw.Control(ControlId::Image1), &image1);
    ::GetWindowRect(pbw.Control(ControlId::Image2), &image2);
    EXPECT_TRUE(::EqualRect(&image1, &image2)) << "the partner's banner takes the maker's place";
  }
}

INSTANTIATE_TEST_SUITE_P(DaysOld, EndToEndBanner, ::testing::Values(0, 60, 61, 400));

TEST_F(EndToEnd, TheAutostartBoxWritesAndRemovesTheRunEntryWithTheQuotedPath) {
  constexpr wchar_t kRun[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
  ::RegDeleteKeyValueW(HKEY_CURRENT_USER, kRun, kRunEntryName);
  RunningPbw pbw(Exe());
  ASSERT_TRUE(pbw.Started());
  pbw.TrayNotification(WM_LBUTTONDOWN);
  pbw.Press(ControlId::AutoStartCHK);

  std::wstring entry(2048, L'\0');
  DWORD size = static_cast<DWORD>(entry.size() * sizeof(wchar_t));
  ASSERT_EQ(::RegGetValueW(HKEY_CURRENT_USER, kRun, kRunEntryName, RRF_RT_REG_SZ, nullptr, entry.data(), &size),
            ERROR_SUCCESS);
  entry.resize(size / sizeof(wchar_t) - 1);
  EXPECT_EQ(entry, L"\"" + Exe() + L"\" /AUTOSTART");

  pbw.Press(ControlId::AutoStartCHK);
  EXPECT_NE(::RegGetValueW(HKEY_CURRENT_USER, kRun, kRunEntryName, RRF_RT_ANY, nullptr, nullptr, nullptr),
            ERROR_SUCCESS);
}

// A real POP3 server: the tests' private Dovecot on the loopback interface.
struct DovecotCase {
  const char* name;
  testing::DovecotAccount testing::DovecotFixture::*account;
  bool wrongPassword;
  std::wstring status;
};

void PrintTo(const DovecotCase& c, std::ostream* os) { *os << c.name; }

class EndToEndDovecot : public EndToEnd, public ::testing::WithParamInterface<DovecotCase> {};

TEST_P(EndToEndDovecot, TestEndsWithTheServersAnswer) {
  const DovecotCase& c = GetParam();
  const testing::DovecotFixture dovecot = testing::LoadDovecotFixture();
  const testing::DovecotAccount& account = dovecot.*c.account;
  const std::string password = c.wrongPassword ? dovecot.wrongPassword : account.password;
  Store({{L"POP3", WideFromCodePage(dovecot.host, CP_UTF8) + L":" + std::to_wstring(dovecot.port)},
         {L"MBOX", WideFromCodePage(account.user, CP_UTF8)},
         {L"PASS", Scrambled(WideFromCodePage(password, CP_UTF8))}});
  RunningPbw pbw(Exe());
  ASSERT_TRUE(pbw.Started());
  PressTest(pbw);
  EXPECT_TRUE(pbw.WaitForStatus(c.status)) << pbw.StatusLine();
}

INSTANTIATE_TEST_SUITE_P(Accounts, EndToEndDovecot,
                         ::testing::Values(DovecotCase{"NewMail", &testing::DovecotFixture::full, false,
                                                       testing::Shown(status_text::kNewMail)},
                                           DovecotCase{"Empty", &testing::DovecotFixture::empty, false,
                                                       testing::Shown(status_text::kMailboxEmpty)},
                                           DovecotCase{"NonAsciiPassword", &testing::DovecotFixture::umlaut, false,
                                                       testing::Shown(status_text::kMailboxEmpty)},
                                           DovecotCase{"WrongPassword", &testing::DovecotFixture::full, true,
                                                       testing::Shown(status_text::kLoginRejected)}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace pbw
