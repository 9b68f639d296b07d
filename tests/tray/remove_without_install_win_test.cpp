#include <gtest/gtest.h>

#include "tests/tray/test_window_win.h"
#include "tray/tray_icon_win.h"
#include "tray/window_hook_win.h"

namespace pbw {
namespace {

using testing::TestWindow;

TEST(WindowHookNeverInstalled, RemovingIsHarmless) {
  TestWindow window;
  ASSERT_EQ(HookedWindow(), nullptr);
  RemoveTrayIcon(0);
  RemoveWindowHook();

  EXPECT_EQ(HookedWindow(), nullptr);
  EXPECT_EQ(reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(window.get(), GWLP_WNDPROC)), TestWindow::OwnProcedureAddress());
  EXPECT_EQ(window.Send(1024, 0, 513), 0);
  EXPECT_EQ(TestWindow::ReceivedOf(1024).size(), 1u);
}

}  // namespace
}  // namespace pbw
