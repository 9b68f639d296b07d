#include "common/bound_window_win.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace pbw {
namespace {

constexpr wchar_t kClassName[] = L"PbwBoundWindowTest";

struct Recorder {
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    seen.push_back(message);
    return ::DefWindowProcW(window.get(), message, wParam, lParam);
  }
  bool Create() {
    WNDCLASSEXW windowClass{};
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kClassName;
    return BoundWindow<Recorder>::RegisterWindowClass(windowClass) &&
           window.Create(0, kClassName, L"", WS_POPUP, RECT{0, 0, 10, 10}, nullptr, windowClass.hInstance);
  }

  std::vector<UINT> seen;
  BoundWindow<Recorder> window{*this};
};

// An end from outside reaches the owner to the last message; the end the owner causes reaches it not
// at all, so that it may already be half gone.
TEST(BoundWindow, TheOwnerHearsAnEndFromOutsideButNotTheOneItCauses) {
  Recorder endedOutside;
  Recorder endedByOwner;
  ASSERT_TRUE(endedOutside.Create());
  ASSERT_TRUE(endedByOwner.Create());
  EXPECT_EQ(std::count(endedByOwner.seen.begin(), endedByOwner.seen.end(), WM_NCCREATE), 1);

  ::DestroyWindow(endedOutside.window.get());
  EXPECT_EQ(endedOutside.seen.back(), static_cast<UINT>(WM_NCDESTROY));
  EXPECT_EQ(endedOutside.window.get(), nullptr);

  const HWND window = endedByOwner.window.get();
  endedByOwner.seen.clear();
  endedByOwner.window.Destroy();
  EXPECT_FALSE(::IsWindow(window));
  EXPECT_TRUE(endedByOwner.seen.empty());
  EXPECT_EQ(endedByOwner.window.get(), nullptr);
}

}  // namespace
}  // namespace pbw
