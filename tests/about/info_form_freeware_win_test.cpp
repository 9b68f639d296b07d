#include "about/info_form_freeware_win.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "about/about_text.h"
#include "about/center_form_win.h"
#include "about/info_form_layout.h"
#include "common/wide_text_win.h"
#include "helplinks/windows_version_win.h"
#include "tests/helplinks/shell_stand_in_support_win.h"

namespace pbw {
namespace {

using namespace info_form;

HWND AboutDialog() { return ::FindWindowW(nullptr, L"Info \u00fcber PostboxWatchman"); }

HWND Button(HWND dialog, short index) { return ::GetDlgItem(dialog, ButtonId(index)); }

int CurrentYear() {
  SYSTEMTIME now{};
  ::GetLocalTime(&now);
  return now.wYear;
}

// Runs the messages queued so far the way the program's loop does: the dialog's keyboard handling
// sees each one first. A marker posted behind them tells when all have been handled.
void RunQueuedMessages(ProgramLifetime& lifetime) {
  constexpr UINT kMarker = WM_APP + 77;
  ::PostThreadMessageW(::GetCurrentThreadId(), kMarker, 0, 0);
  MSG message;
  while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (message.hwnd == nullptr && message.message == kMarker) return;
    if (lifetime.HandleDialogMessage(message)) continue;
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
}

class InfoFormFreewareTest : public ::testing::Test {
 protected:
  InfoFormFreewareTest() {
    about_.ShowAboutDialog();
    dialog_ = AboutDialog();
    RunQueuedMessages(lifetime_);
  }
  ~InfoFormFreewareTest() override {
    if (const HWND open = AboutDialog()) ::SendMessageW(Button(open, kCloseWindow), BM_CLICK, 0, 0);
    // The dialog was the program's only window: closing it asked the message loop to end.
    MSG quit;
    ::PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
  }

  void PressKey(WPARAM key) {
    ::PostMessageW(::GetFocus(), WM_KEYDOWN, key, 1);
    ::PostMessageW(::GetFocus(), WM_KEYUP, key, static_cast<LPARAM>(0xC0000001));  // released, was down
    RunQueuedMessages(lifetime_);
  }

  ProgramLifetime lifetime_;
  InfoFormFreeware about_{lifetime_};
  HWND dialog_ = nullptr;
};

TEST_F(InfoFormFreewareTest, OpensWithItsCaptionTextAndFocus) {
  ASSERT_NE(dialog_, nullptr);
  EXPECT_EQ(WindowText(::GetDlgItem(dialog_, kLabelId)), AboutText(CurrentYear()));
  EXPECT_EQ(::GetFocus(), Button(dialog_, kWhoIsTrelvik));
}

TEST_F(InfoFormFreewareTest, HasADialogFrameAndNoTaskBarButton) {
  ASSERT_NE(dialog_, nullptr);
  const auto style = static_cast<DWORD>(::GetWindowLongPtrW(dialog_, GWL_STYLE));
  const auto exStyle = static_cast<DWORD>(::GetWindowLongPtrW(dialog_, GWL_EXSTYLE));
  EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX),
            static_cast<DWORD>(WS_CAPTION | WS_SYSMENU));
  EXPECT_EQ(exStyle & (WS_EX_DLGMODALFRAME | WS_EX_TOOLWINDOW | WS_EX_APPWINDOW),
            static_cast<DWORD>(WS_EX_DLGMODALFRAME));
  // An owned window gets no task-bar button; its owner is never shown.
  const HWND owner = ::GetWindow(dialog_, GW_OWNER);
  ASSERT_NE(owner, nullptr);
  EXPECT_FALSE(::IsWindowVisible(owner));
}

TEST_F(InfoFormFreewareTest, OpensCentredOnTheScreen) {
  ASSERT_NE(dialog_, nullptr);
  ASSERT_FALSE(IsSmallScreen(ScreenPixels()));
  RECT frame{};
  ::GetWindowRect(dialog_, &frame);
  const Position centre = CenterForm(ScreenPixels(), {frame.right - frame.left, frame.bottom - frame.top});
  EXPECT_EQ(frame.left, centre.left);
  EXPECT_EQ(frame.top, centre.top);
}

std::wstring TooltipTextOf(HWND dialog, HWND tool) {
  for (HWND tip = ::FindWindowExW(nullptr, nullptr, TOOLTIPS_CLASSW, nullptr); tip;
       tip = ::FindWindowExW(nullptr, tip, TOOLTIPS_CLASSW, nullptr)) {
    if (::GetWindow(tip, GW_OWNER) != dialog) continue;
    wchar_t text[256]{};
    TTTOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.hwnd = dialog;
    info.uId = reinterpret_cast<UINT_PTR>(tool);
    info.lpszText = text;
    ::SendMessageW(tip, TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&info));
    return text;
  }
  return L"(kein Tooltip)";
}

TEST_F(InfoFormFreewareTest, PictureInvitesToTheMakersOtherPrograms) {
  ASSERT_NE(dialog_, nullptr);
  EXPECT_EQ(TooltipTextOf(dialog_, ::GetDlgItem(dialog_, kImage1Id)),
            L"Klicken Sie hier, um noch mehr interessante Trelvik-Programme kennenzulernen ...");
}

TEST_F(InfoFormFreewareTest, TabsThroughTheButtonsFromLeftToRight) {
  ASSERT_NE(dialog_, nullptr);
  for (const short index : {kWriteMail, kWhatsNew, kCloseWindow, kWhoIsTrelvik}) {
    PressKey(VK_TAB);
    EXPECT_EQ(::GetFocus(), Button(dialog_, index)) << "button " << index;
  }
}

TEST_F(InfoFormFreewareTest, ASecondCallLeavesTheOpenDialogAsItIs) {
  ASSERT_NE(dialog_, nullptr);
  // Moved and relabelled: a second load would centre it again and compose the text afresh.
  ::SetWindowPos(dialog_, nullptr, 7, 9, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  ::SetDlgItemTextW(dialog_, kLabelId, L"unver\u00e4ndert");
  about_.ShowAboutDialog();
  RunQueuedMessages(lifetime_);
  EXPECT_EQ(AboutDialog(), dialog_);
  RECT frame{};
  ::GetWindowRect(dialog_, &frame);
  EXPECT_EQ(frame.left, 7);
  EXPECT_EQ(frame.top, 9);
  EXPECT_EQ(WindowText(::GetDlgItem(dialog_, kLabelId)), L"unver\u00e4ndert");
}

TEST_F(InfoFormFreewareTest, EscapeDoesNotCloseIt) {
  ASSERT_NE(dialog_, nullptr);
  PressKey(VK_ESCAPE);
  EXPECT_TRUE(::IsWindow(dialog_));
}

TEST_F(InfoFormFreewareTest, EnterRightAfterOpeningAsksWhoIsTrelvik) {
  ASSERT_NE(dialog_, nullptr);
  testing::ShellStandIn browser;
  PressKey(VK_RETURN);
  const auto launch = browser.NextLaunch();
  ASSERT_TRUE(launch.has_value());
  // Wine puts "http://" in front of a bare "www." name.
  EXPECT_EQ(launch->target, L"http://www.trelvik.example/ueber_trelvik.htm");
  EXPECT_TRUE(::IsWindow(dialog_));
}

TEST_F(InfoFormFreewareTest, ButtonsAndPictureOpenTheMakersPagesAndMail) {
  ASSERT_NE(dialog_, nullptr);
  testing::ShellStandIn shell;
  ::SendMessageW(Button(dialog_, kWriteMail), BM_CLICK, 0, 0);
  auto launch = shell.NextLaunch();
  ASSERT_TRUE(launch.has_value());
  EXPECT_EQ(launch->target, SupportMailAddress(WindowsVersionText()));
  EXPECT_EQ(launch->show, SW_SHOWNORMAL);

  ::SendMessageW(Button(dialog_, kWhatsNew), BM_CLICK, 0, 0);
  launch = shell.NextLaunch();
  ASSERT_TRUE(launch.has_value());
  EXPECT_EQ(launch->target, L"http://www.trelvik.example");

  const HWND picture = ::GetDlgItem(dialog_, kImage1Id);
  ::PostMessageW(picture, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  ::PostMessageW(picture, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  RunQueuedMessages(lifetime_);
  launch = shell.NextLaunch();
  ASSERT_TRUE(launch.has_value());
  EXPECT_EQ(launch->target, L"http://www.trelvik.example");
}

TEST_F(InfoFormFreewareTest, CloseButtonUnloadsItAndTheNextCallLoadsANewOne) {
  ASSERT_NE(dialog_, nullptr);
  ::SendMessageW(Button(dialog_, kCloseWindow), BM_CLICK, 0, 0);
  EXPECT_FALSE(::IsWindow(dialog_));
  EXPECT_EQ(AboutDialog(), nullptr);
  MSG quit;
  EXPECT_TRUE(::PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the last window did not end the loop";

  about_.ShowAboutDialog();
  const HWND reloaded = AboutDialog();
  ASSERT_NE(reloaded, nullptr);
  EXPECT_EQ(WindowText(::GetDlgItem(reloaded, kLabelId)), AboutText(CurrentYear()));
}

}  // namespace
}  // namespace pbw
