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

bool Saw(const Recorder& owner, UINT message) {
  return std::find(owner.seen.begin(), owner.seen.end(), message) != owner.seen.end();
}

TEST(BoundWindow, ItsOwnerSeesItFromCreationToItsEndHoweverItEnds) {
  Recorder first;
  Recorder second;  // of the same class, yet its own
  ASSERT_TRUE(first.Create());
  ASSERT_TRUE(second.Create());
  EXPECT_TRUE(Saw(first, WM_NCCREATE));
  EXPECT_TRUE(Saw(first, WM_CREATE));

  first.seen.clear();
  ::SendMessageW(second.window.get(), WM_APP, 0, 0);
  ::DestroyWindow(second.window.get());
  EXPECT_TRUE(first.seen.empty());
  EXPECT_EQ(second.seen.back(), static_cast<UINT>(WM_NCDESTROY));
  EXPECT_TRUE(Saw(second, WM_APP));
  EXPECT_EQ(second.window.get(), nullptr);
}

TEST(BoundWindow, AnOwnerThatEndsItsWindowHearsNothingOfTheEnd) {
  Recorder owner;
  ASSERT_TRUE(owner.Create());
  const HWND window = owner.window.get();
  owner.seen.clear();
  owner.window.Destroy();
  EXPECT_FALSE(::IsWindow(window));
  EXPECT_TRUE(owner.seen.empty());
  EXPECT_EQ(owner.window.get(), nullptr);
}

}  // namespace
}  // namespace pbw
