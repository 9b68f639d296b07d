#include "forms/stretched_picture_win.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/pixels_win.h"
#include "tests/support/test_window_win.h"

namespace pbw {
namespace {

using testing::IsNear;
using testing::PixelOf;
using testing::TestWindow;

constexpr int kControlId = 42;
constexpr COLORREF kRed = RGB(200, 30, 30);
constexpr COLORREF kBlue = RGB(30, 60, 200);

// A top-down 32-bit DIB section, as the loaders make them.
UniqueBitmap DibSection(int width, int height, DWORD** pixels) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  UniqueBitmap bitmap(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  *pixels = static_cast<DWORD*>(bits);
  return bitmap;
}

// 20 x 10 pixels: the left half red, the right half blue.
UniqueBitmap RedBluePicture() {
  DWORD* pixels = nullptr;
  UniqueBitmap picture = DibSection(20, 10, &pixels);
  for (int i = 0; i < 20 * 10; ++i) {
    const COLORREF c = i % 20 < 10 ? kRed : kBlue;
    pixels[i] = RGB(GetBValue(c), GetGValue(c), GetRValue(c));  // DIB pixels are BGR
  }
  return picture;
}

// What the control paints, on a canvas of its size.
UniqueBitmap Printed(HWND control, int width, int height) {
  DWORD* pixels = nullptr;
  UniqueBitmap canvas = DibSection(width, height, &pixels);
  const HDC dc = ::CreateCompatibleDC(nullptr);
  const HGDIOBJ previous = ::SelectObject(dc, canvas.get());
  ::SendMessageW(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  ::SelectObject(dc, previous);
  ::DeleteDC(dc);
  return canvas;
}

bool IsAlive(HGDIOBJ object) { return ::GetObjectType(object) != 0; }

BOOL CALLBACK CollectTooltip(HWND window, LPARAM list) {
  wchar_t name[64] = {};
  ::GetClassNameW(window, name, 64);
  if (std::wstring(name) == TOOLTIPS_CLASSW) reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

std::vector<HWND> TooltipsOfThisThread() {
  std::vector<HWND> found;
  ::EnumThreadWindows(::GetCurrentThreadId(), &CollectTooltip, reinterpret_cast<LPARAM>(&found));
  return found;
}

TTTOOLINFOW ToolOf(HWND control, wchar_t* text) {
  TTTOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  tool.hwnd = ::GetParent(control);
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = text;
  return tool;
}

// The texts that the thread's tooltips show for `control`.
std::vector<std::wstring> TooltipTexts(HWND control) {
  std::vector<std::wstring> texts;
  for (const HWND tooltip : TooltipsOfThisThread()) {
    wchar_t text[1024] = {};
    TTTOOLINFOW tool = ToolOf(control, text);
    if (!::SendMessageW(tooltip, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool))) continue;
    tool = ToolOf(control, text);
    ::SendMessageW(tooltip, TTM_GETTEXTW, 1024, reinterpret_cast<LPARAM>(&tool));
    texts.emplace_back(text);
  }
  return texts;
}

class StretchedPicture : public ::testing::Test {
 protected:
  // A picture control as the windows make them, here without SS_NOTIFY.
  HWND MakeControl(int width, int height) {
    return ::CreateWindowExW(0, L"STATIC", nullptr, WS_CHILD | WS_VISIBLE | SS_BITMAP | SS_REALSIZECONTROL, 10, 10,
                             width, height, parent_.get(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(kControlId)),
                             ::GetModuleHandleW(nullptr), nullptr);
  }

  TestWindow parent_;
};

TEST_F(StretchedPicture, PaintsThePictureStretchedOverTheWholeControl) {
  const HWND control = MakeControl(100, 50);
  MakeStretchedPicture(control, RedBluePicture(), nullptr, L"");
  const UniqueBitmap canvas = Printed(control, 100, 50);

  // Stretched five times: halftone blends only near the middle, where the colours meet.
  for (const POINT p : {POINT{1, 1}, POINT{20, 25}, POINT{38, 48}})
    EXPECT_TRUE(IsNear(PixelOf(canvas.get(), p.x, p.y), kRed)) << p.x << "," << p.y;
  for (const POINT p : {POINT{62, 1}, POINT{80, 25}, POINT{98, 48}})
    EXPECT_TRUE(IsNear(PixelOf(canvas.get(), p.x, p.y), kBlue)) << p.x << "," << p.y;
}

TEST_F(StretchedPicture, DecodesAPictureFromItsSourceAtTheFirstPaintOnly) {
  const HWND control = MakeControl(100, 50);
  int decoded = 0;
  MakeStretchedPicture(control, PictureSource([&] { return ++decoded, RedBluePicture(); }), nullptr, L"");
  EXPECT_EQ(decoded, 0) << "nothing is decoded before the control is painted";

  EXPECT_TRUE(IsNear(PixelOf(Printed(control, 100, 50).get(), 1, 1), kRed));
  EXPECT_TRUE(IsNear(PixelOf(Printed(control, 100, 50).get(), 98, 48), kBlue));
  EXPECT_EQ(decoded, 1);
}

TEST_F(StretchedPicture, OwnsItsPictureFreesAReplacedOneAtOnceAndTheLastWithTheControl) {
  const HWND control = MakeControl(100, 50);
  UniqueBitmap first = RedBluePicture();
  UniqueBitmap second = RedBluePicture();
  const HBITMAP firstHandle = first.get();
  const HBITMAP secondHandle = second.get();

  MakeStretchedPicture(control, std::move(first), nullptr, L"Erster Text");
  EXPECT_TRUE(IsAlive(firstHandle));
  MakeStretchedPicture(control, std::move(second), nullptr, L"Zweiter Text");
  EXPECT_FALSE(IsAlive(firstHandle));
  EXPECT_TRUE(IsAlive(secondHandle));
  EXPECT_EQ(TooltipTexts(control), std::vector<std::wstring>{L"Zweiter Text"});

  ::DestroyWindow(control);
  EXPECT_FALSE(IsAlive(secondHandle));
}

TEST_F(StretchedPicture, ShowsItsTooltipTextUntilItIsDestroyed) {
  const std::wstring text = L"Klicken Sie hier, um noch mehr interessante Trelvik-Programme kennenzulernen ...";
  const HWND control = MakeControl(61, 409);
  const size_t tooltipsBefore = TooltipsOfThisThread().size();
  MakeStretchedPicture(control, RedBluePicture(), nullptr, text);
  EXPECT_EQ(TooltipTexts(control), std::vector<std::wstring>{text});

  ::DestroyWindow(control);
  EXPECT_EQ(TooltipsOfThisThread().size(), tooltipsBefore);
}

TEST_F(StretchedPicture, HasNoTooltipWithoutText) {
  const HWND control = MakeControl(141, 239);
  MakeStretchedPicture(control, RedBluePicture(), nullptr, L"");
  EXPECT_TRUE(TooltipTexts(control).empty());
}

TEST_F(StretchedPicture, ShowsItsOwnPointerOverItselfOrElseTheArrow) {
  const HCURSOR own = ::LoadCursorW(nullptr, IDC_HAND);
  const HCURSOR arrow = ::LoadCursorW(nullptr, IDC_ARROW);
  const HWND withPointer = MakeControl(100, 50);
  const HWND withoutPointer = MakeControl(100, 50);
  MakeStretchedPicture(withPointer, RedBluePicture(), own, L"");
  MakeStretchedPicture(withoutPointer, RedBluePicture(), nullptr, L"");

  ::SetCursor(arrow);
  ::SendMessageW(withPointer, WM_SETCURSOR, reinterpret_cast<WPARAM>(withPointer), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(::GetCursor(), own);
  ::SendMessageW(withoutPointer, WM_SETCURSOR, reinterpret_cast<WPARAM>(withoutPointer),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(::GetCursor(), arrow);
}

TEST_F(StretchedPicture, TellsItsParentAboutAClick) {
  const HWND control = MakeControl(100, 50);
  MakeStretchedPicture(control, RedBluePicture(), nullptr, L"");
  TestWindow::Received().clear();

  ::SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
  ::SendMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(20, 20));

  const auto commands = TestWindow::ReceivedOf(WM_COMMAND);
  ASSERT_EQ(commands.size(), 1u);
  EXPECT_EQ(commands[0].wParam, MAKEWPARAM(kControlId, STN_CLICKED));
  EXPECT_EQ(commands[0].lParam, reinterpret_cast<LPARAM>(control));
}

}  // namespace
}  // namespace pbw
