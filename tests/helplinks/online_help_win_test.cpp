#include "helplinks/online_help_win.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <optional>

#include "desktop/program_location_win.h"
#include "tests/helplinks/shell_stand_in_support_win.h"
#include "tests/support/test_files_win.h"

namespace pbw {
namespace {

class OnlineHelpTest : public ::testing::Test {
 protected:
  std::wstring ProgramFolder() const { return files_.Folder().wstring() + L"\\"; }
  void Put(const wchar_t* name, DWORD attributes = FILE_ATTRIBUTE_NORMAL) { files_.Create(name, attributes); }

  // A blank in the folder name must reach the browser unharmed.
  testing::TestFiles files_{L"pbw programm ordner"};
};

TEST_F(OnlineHelpTest, PrefersHilfeOverIndex) {
  Put(L"index.htm");
  Put(L"hilfe.htm");
  EXPECT_EQ(FindOnlineHelp(ProgramFolder()), ProgramFolder() + L"hilfe.htm");
}

TEST_F(OnlineHelpTest, FallsBackToIndex) {
  Put(L"index.htm");
  EXPECT_EQ(FindOnlineHelp(ProgramFolder()), ProgramFolder() + L"index.htm");
}

TEST_F(OnlineHelpTest, PassesOverAHiddenHilfePage) {
  Put(L"index.htm");
  Put(L"hilfe.htm", FILE_ATTRIBUTE_HIDDEN);
  EXPECT_EQ(FindOnlineHelp(ProgramFolder()), ProgramFolder() + L"index.htm");
}

TEST_F(OnlineHelpTest, PassesOverAFolderNamedLikeTheHilfePage) {
  Put(L"index.htm");
  std::filesystem::create_directory(files_.Folder() / L"hilfe.htm");
  EXPECT_EQ(FindOnlineHelp(ProgramFolder()), ProgramFolder() + L"index.htm");
}

TEST_F(OnlineHelpTest, SearchesAgainOnEveryCall) {
  EXPECT_EQ(FindOnlineHelp(ProgramFolder()), std::nullopt);
  Put(L"hilfe.htm");
  EXPECT_EQ(FindOnlineHelp(ProgramFolder()), ProgramFolder() + L"hilfe.htm");
}

TEST_F(OnlineHelpTest, OpensThePageInANormalBrowserWindow) {
  testing::ShellStandIn browser;
  Put(L"hilfe.htm");
  ShowOnlineHelp(ProgramFolder());
  const auto launch = browser.NextLaunch();
  ASSERT_TRUE(launch.has_value());
  EXPECT_EQ(launch->target, ProgramFolder() + L"hilfe.htm");
  EXPECT_EQ(launch->show, SW_SHOWNORMAL);
}

// The build puts the help page beside every test program, as beside PBW.exe.
TEST_F(OnlineHelpTest, OpensTheHelpBesideTheRunningProgram) {
  testing::ShellStandIn browser;
  ShowOnlineHelp();
  const auto launch = browser.NextLaunch();
  ASSERT_TRUE(launch.has_value());
  EXPECT_EQ(launch->target, GetAppFolder() + L"hilfe.htm");
}

// What the message box said, read while it is open and then closed with OK.
struct SeenMessageBox {
  std::wstring caption;
  std::wstring text;
  bool informationIcon = false;
};
std::optional<SeenMessageBox> seenMessageBox;

BOOL CALLBACK ReadAndCloseMessageBox(HWND window, LPARAM) {
  wchar_t className[16]{};
  ::GetClassNameW(window, className, 16);
  if (std::wstring(className) != L"#32770") return TRUE;
  SeenMessageBox seen;
  wchar_t text[256]{};
  ::GetWindowTextW(window, text, 256);
  seen.caption = text;
  ::GetDlgItemTextW(window, 0xFFFF, text, 256);  // the message box's text control
  seen.text = text;
  const HICON information = ::LoadIconW(nullptr, IDI_INFORMATION);
  for (HWND child = ::GetWindow(window, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    if (reinterpret_cast<HICON>(::SendMessageW(child, STM_GETICON, 0, 0)) == information) seen.informationIcon = true;
  }
  seenMessageBox = seen;
  ::PostMessageW(window, WM_COMMAND, IDOK, 0);
  return FALSE;
}

void CALLBACK LookForMessageBox(HWND, UINT, UINT_PTR, DWORD) {
  if (!seenMessageBox) ::EnumThreadWindows(::GetCurrentThreadId(), ReadAndCloseMessageBox, 0);
}

TEST_F(OnlineHelpTest, SaysSoWhenThereIsNoHelpPage) {
  seenMessageBox.reset();
  // The message box waits for OK inside its own message loop, which also runs this thread's timers.
  const UINT_PTR timer = ::SetTimer(nullptr, 0, 20, LookForMessageBox);
  ShowOnlineHelp(ProgramFolder());
  ::KillTimer(nullptr, timer);
  ASSERT_TRUE(seenMessageBox.has_value());
  EXPECT_EQ(seenMessageBox->caption, L"PostboxWatchman");
  EXPECT_EQ(seenMessageBox->text, L"Die Online-Hilfe konnte leider nicht gefunden werden ...");
  EXPECT_TRUE(seenMessageBox->informationIcon);
}

}  // namespace
}  // namespace pbw
