#include "forms/twips_form_win.h"

#include <gtest/gtest.h>

#include <array>

#include "common/layout_font_win.h"
#include "common/twips_win.h"
#include "common/wide_text_win.h"

namespace pbw {
namespace {

constexpr LayoutFont kCaptionFont{L"Arial", 240, true};

constexpr std::array<FormControl, 4> kControls{{
    {7, ControlKind::Label, {120, 120, 1500, 315}, L"Name"},
    {8, ControlKind::TextBox, {1740, 120, 2000, 315}, L""},
    {9, ControlKind::TextBox, {1740, 600, 2000, 315}, L""},
    {10, ControlKind::Button, {1740, 1080, 1000, 345}, L"&OK", kCaptionFont},
}};

constexpr FormFrame kFrame{L"PbwTwipsFormTest", WS_POPUP | WS_CAPTION, 0, 4000, 1600};

struct PlainForm {
  ProgramLifetime lifetime;
  TwipsForm form{lifetime, FocusMemory::Fields, [this](UINT message, WPARAM wParam, LPARAM lParam) {
                   return ::DefWindowProcW(form.get(), message, wParam, lParam);
                 }};
};

std::array<LONG, 4> Edges(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

void Activate(HWND window) {
  ::SetActiveWindow(window);
  ASSERT_EQ(::GetActiveWindow(), window);
}

TEST(TwipsForm, MakesTheTablesControlsInTheirFontsAndGivesTheKeyboardBackToTheLastField) {
  PlainForm plain;
  TwipsForm& form = plain.form;
  ASSERT_TRUE(
      form.Create(kFrame, nullptr, nullptr, OuterRect(kFrame), nullptr, ::GetModuleHandleW(nullptr), kControls));
  for (const FormControl& c : kControls) {
    SCOPED_TRACE(c.id);
    const HWND control = form.Control(c.id);
    ASSERT_NE(control, nullptr);
    RECT placed{};
    ::GetWindowRect(control, &placed);
    ::MapWindowPoints(HWND_DESKTOP, form.get(), reinterpret_cast<POINT*>(&placed), 2);
    const RECT wanted = TwipsToPixels(c.place);
    EXPECT_EQ(Edges(placed), Edges(wanted));
    EXPECT_EQ(WindowText(control), c.caption);
    LOGFONTW font{};
    ::GetObjectW(reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0)), sizeof(font), &font);
    const LOGFONTW wantedFont = LayoutLogFont(c.font, SystemDpiY());
    EXPECT_EQ(std::wstring(font.lfFaceName), std::wstring(wantedFont.lfFaceName));
    EXPECT_EQ(font.lfHeight, wantedFont.lfHeight);
    EXPECT_EQ(font.lfWeight, wantedFont.lfWeight);
  }

  // The first field takes the keyboard at the first activation; then the field that had it, never a
  // button, whose access key a typed letter would press.
  const UniqueWindow other(
      ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr));
  ::ShowWindow(form.get(), SW_SHOW);
  Activate(form.get());
  EXPECT_EQ(::GetFocus(), form.Control(8));
  ::SetFocus(form.Control(9));
  Activate(other.get());
  Activate(form.get());
  EXPECT_EQ(::GetFocus(), form.Control(9));
  ::SetFocus(form.Control(10));
  Activate(other.get());
  Activate(form.get());
  EXPECT_EQ(::GetFocus(), form.Control(9));

  // The only loaded form ends the message loop when it ends.
  form.Destroy();
  MSG quit{};
  EXPECT_TRUE(::PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

}  // namespace
}  // namespace pbw
