#include "tray/window_hook_win.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/tray/test_window_win.h"

namespace pbw {
namespace {

using testing::ReceivedMessage;
using testing::TestWindow;

constexpr UINT kTrayMessage = 1024;

WNDPROC CurrentProcedure(HWND window) {
  return reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(window, GWLP_WNDPROC));
}

class WindowHook : public ::testing::Test {
 protected:
  void SetUp() override {
    InstallWindowHook(window.get(), [this](std::uint32_t iconId) { clicks.push_back(iconId); });
  }
  void TearDown() override { RemoveWindowHook(); }

  TestWindow window;
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
  EXPECT_EQ(HookedWindow(), window.get());
  EXPECT_EQ(CurrentProcedure(window.get()), &TrayWindowProc);
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
  RemoveWindowHook();
  EXPECT_EQ(CurrentProcedure(window.get()), TestWindow::OwnProcedureAddress());
  window.Send(kTrayMessage, 0, 513);
  EXPECT_EQ(TestWindow::ReceivedOf(kTrayMessage), (std::vector<ReceivedMessage>{{kTrayMessage, 0, 513}}));
  EXPECT_TRUE(clicks.empty());
}

TEST_F(WindowHook, RemovingTwiceIsHarmless) {
  RemoveWindowHook();
  RemoveWindowHook();
  EXPECT_EQ(CurrentProcedure(window.get()), TestWindow::OwnProcedureAddress());
  EXPECT_EQ(HookedWindow(), window.get());
  EXPECT_EQ(window.Send(testing::kOwnMessage), testing::kOwnAnswer);
}

}  // namespace
}  // namespace pbw
