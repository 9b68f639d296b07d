#include "tray/tray_icon_win.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/support/test_window_win.h"

namespace pbw {
namespace {

using testing::ReceivedMessage;
using testing::TestWindow;

constexpr UINT kTrayMessage = 1024;

WNDPROC CurrentProcedure(HWND window) { return reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(window, GWLP_WNDPROC)); }

class WindowHook : public ::testing::Test {
 protected:
  void SetUp() override {
    tray.InstallWindowHook(window.get(), [this](std::uint32_t iconId) { clicks.push_back(iconId); });
  }
  void TearDown() override { tray.RemoveWindowHook(); }

  TestWindow window;
  TrayIcon tray;
  std::vector<std::uint32_t> clicks;
};

TEST_F(WindowHook, IconNotificationsActByTheirMouseMessageAndEndInTheHook) {
  struct Case {
    LPARAM mouseMessage;
    bool clicks;
  };
  const Case cases[] = {
      {513, true},  {516, true},   // presses of either button
      {514, false}, {517, false},  // releases
      {515, false}, {518, false},  // double clicks: the press before them has shown the window
      {512, false}, {519, false},  // mouse move, middle button
  };
  for (const auto& c : cases) {
    clicks.clear();
    EXPECT_EQ(window.Send(kTrayMessage, 3, c.mouseMessage), 0) << c.mouseMessage;
    EXPECT_EQ(clicks, c.clicks ? std::vector<std::uint32_t>{3} : std::vector<std::uint32_t>{}) << c.mouseMessage;
  }
  EXPECT_TRUE(TestWindow::ReceivedOf(kTrayMessage).empty());
}

TEST_F(WindowHook, RemembersTheHookedWindowAndKeepsItUnicode) {
  EXPECT_EQ(tray.HookedWindow(), window.get());
  EXPECT_NE(CurrentProcedure(window.get()), TestWindow::OwnProcedureAddress());
  EXPECT_TRUE(::IsWindowUnicode(window.get()));
}

TEST_F(WindowHook, OtherMessagesReachTheOwnProcedureAndReturnItsAnswer) {
  EXPECT_EQ(window.Send(testing::kOwnMessage, 5, 6), testing::kOwnAnswer);
  EXPECT_EQ(TestWindow::ReceivedOf(testing::kOwnMessage), (std::vector<ReceivedMessage>{{testing::kOwnMessage, 5, 6}}));

  // Text crosses unchanged: the window has stayed a Unicode window.
  EXPECT_TRUE(::SetWindowTextW(window.get(), L"Grüße Ω ✓"));
  wchar_t text[32] = {};
  ::GetWindowTextW(window.get(), text, 32);
  EXPECT_STREQ(text, L"Grüße Ω ✓");
}

TEST_F(WindowHook, AfterRemovingTheOwnProcedureGetsMessage1024Again) {
  tray.RemoveWindowHook();
  EXPECT_EQ(CurrentProcedure(window.get()), TestWindow::OwnProcedureAddress());
  window.Send(kTrayMessage, 0, 513);
  EXPECT_EQ(TestWindow::ReceivedOf(kTrayMessage), (std::vector<ReceivedMessage>{{kTrayMessage, 0, 513}}));
  EXPECT_TRUE(clicks.empty());
}

TEST_F(WindowHook, RemovingTwiceIsHarmless) {
  tray.RemoveWindowHook();
  tray.RemoveWindowHook();
  EXPECT_EQ(CurrentProcedure(window.get()), TestWindow::OwnProcedureAddress());
  EXPECT_EQ(tray.HookedWindow(), window.get());
  EXPECT_EQ(window.Send(testing::kOwnMessage), testing::kOwnAnswer);
}

TEST(WindowHookNeverInstalled, RemovingIsHarmless) {
  TestWindow window;
  TrayIcon tray;
  ASSERT_EQ(tray.HookedWindow(), nullptr);
  tray.RemoveTrayIcon(0);
  tray.RemoveWindowHook();

  EXPECT_EQ(tray.HookedWindow(), nullptr);
  EXPECT_EQ(CurrentProcedure(window.get()), TestWindow::OwnProcedureAddress());
  EXPECT_EQ(window.Send(kTrayMessage, 0, 513), 0);
  EXPECT_EQ(TestWindow::ReceivedOf(kTrayMessage).size(), 1u);
}

TEST(WindowHooks, TwoWindowsKeepTheirOwnHookAndHandler) {
  TestWindow first;
  TestWindow second;
  TrayIcon firstTray;
  TrayIcon secondTray;
  std::vector<int> clicks;
  firstTray.InstallWindowHook(first.get(), [&](std::uint32_t) { clicks.push_back(1); });
  secondTray.InstallWindowHook(second.get(), [&](std::uint32_t) { clicks.push_back(2); });

  second.Send(kTrayMessage, 0, 513);
  first.Send(kTrayMessage, 0, 516);
  EXPECT_EQ(clicks, (std::vector<int>{2, 1}));

  firstTray.RemoveWindowHook();
  EXPECT_EQ(CurrentProcedure(first.get()), TestWindow::OwnProcedureAddress());
  EXPECT_NE(CurrentProcedure(second.get()), TestWindow::OwnProcedureAddress());
  second.Send(kTrayMessage, 0, 513);
  EXPECT_EQ(clicks, (std::vector<int>{2, 1, 2}));
  EXPECT_EQ(second.Send(testing::kOwnMessage), testing::kOwnAnswer);
}

}  // namespace
}  // namespace pbw
