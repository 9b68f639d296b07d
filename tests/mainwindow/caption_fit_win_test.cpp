// Every caption and label of the main window and the About dialog fits its control: measured in the
// font the program gives the control, at 96 DPI and at 144 DPI (150 %), against the control's size
// from its layout less the room the control keeps for itself. The About dialog's buttons get their
// captions in lines that fit, which the control then need not wrap.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "about/about_text.h"
#include "about/info_form_freeware_win.h"
#include "about/info_form_layout.h"
#include "common/layout_font_win.h"
#include "common/twips.h"
#include "common/twips_win.h"
#include "forms/twips_form_win.h"
#include "mainwindow/form1_layout.h"

namespace pbw {
namespace {

// What a control keeps for itself around its text, in pixels at 96 DPI.
enum class Frame { None, PushButton, CheckBox };

RECT Inset(Frame frame) {
  switch (frame) {
    case Frame::PushButton:
      return {kPushButtonTextInset, kPushButtonTextInset, kPushButtonTextInset, kPushButtonTextInset};
    case Frame::CheckBox:
      return {17, 0, 0, 0};  // the box and the gap after it
    case Frame::None:
      break;
  }
  return {0, 0, 0, 0};
}

struct Caption {
  std::wstring name;
  std::wstring text;
  LayoutFont font;
  TwipsRect place;
  Frame frame;
  UINT format;                   // how the control draws it: on one line, word-wrapped, or in the lines it is given
  bool brokenByProgram = false;  // into the lines that fit, as the About dialog breaks its buttons'
};

std::vector<Caption> AllCaptions() {
  std::vector<Caption> captions;
  for (const FormControl& c : Form1Layout()) {
    if (c.caption.empty()) continue;
    const Frame frame = c.kind == ControlKind::Button     ? Frame::PushButton
                        : c.kind == ControlKind::CheckBox ? Frame::CheckBox
                                                          : Frame::None;
    const UINT prefix = c.kind == ControlKind::Label ? DT_NOPREFIX : 0;
    captions.push_back(
        {std::wstring(c.caption), std::wstring(c.caption), c.font, c.place, frame, DT_SINGLELINE | prefix});
  }
  for (const FormControl& c : info_form::kControls) {
    const std::wstring caption(c.caption);
    if (c.kind == ControlKind::DialogButton)
      captions.push_back({caption, caption, c.font, c.place, Frame::PushButton, 0, true});
    if (c.kind == ControlKind::TextBlock)
      captions.push_back({L"About text", AboutText(2099), c.font, c.place, Frame::None, DT_WORDBREAK | DT_NOPREFIX});
  }
  return captions;
}

class CaptionsFit : public ::testing::TestWithParam<int> {};

TEST_P(CaptionsFit, InTheirControls) {
  const int dpi = GetParam();
  const HDC dc = ::CreateCompatibleDC(nullptr);
  for (const Caption& c : AllCaptions()) {
    const RECT inset = Inset(c.frame);
    const auto scaled = [dpi](int pixels) { return ::MulDiv(pixels, dpi, 96); };
    // Both edges are rounded from twips, as the windows place their controls.
    const TwipsRect& p = c.place;
    const int width =
        TwipsToPixels(p.left + p.width, dpi) - TwipsToPixels(p.left, dpi) - scaled(inset.left) - scaled(inset.right);
    const int height =
        TwipsToPixels(p.top + p.height, dpi) - TwipsToPixels(p.top, dpi) - scaled(inset.top) - scaled(inset.bottom);
    const LOGFONTW logFont = LayoutLogFont(c.font, dpi);
    const UniqueFont font(::CreateFontIndirectW(&logFont));
    const HGDIOBJ previous = ::SelectObject(dc, font.get());
    const std::wstring text = c.brokenByProgram ? BreakCaptionToWidth(dc, c.text, width) : c.text;
    RECT needed{0, 0, width, 0};
    ::DrawTextW(dc, text.c_str(), -1, &needed, DT_CALCRECT | c.format);
    ::SelectObject(dc, previous);
    EXPECT_LE(needed.right, width) << "\"" << std::string(c.name.begin(), c.name.end()) << "\" at " << dpi << " DPI";
    EXPECT_LE(needed.bottom, height) << "\"" << std::string(c.name.begin(), c.name.end()) << "\" at " << dpi << " DPI";
  }
  ::DeleteDC(dc);
}

INSTANTIATE_TEST_SUITE_P(Dpi, CaptionsFit, ::testing::Values(96, 144));

// The windows' controls really are in the fonts measured above.
LOGFONTW FontOfControl(HWND control) {
  LOGFONTW font{};
  ::GetObjectW(reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0)), sizeof(font), &font);
  return font;
}

void ExpectFont(HWND control, const LayoutFont& expected) {
  const LOGFONTW font = FontOfControl(control);
  const LOGFONTW wanted = LayoutLogFont(expected, SystemDpiY());
  EXPECT_EQ(std::wstring(font.lfFaceName), std::wstring(wanted.lfFaceName));
  EXPECT_EQ(font.lfHeight, wanted.lfHeight);
  EXPECT_EQ(font.lfWeight, wanted.lfWeight);
}

// The main window's controls, made as the main window makes them.
struct Form1ControlsAlone {
  ProgramLifetime lifetime;
  TwipsForm form{lifetime, FocusMemory::Fields, [this](UINT message, WPARAM wParam, LPARAM lParam) {
                   return ::DefWindowProcW(form.get(), message, wParam, lParam);
                 }};
};

TEST(ControlFonts, AreTheLayoutsFonts) {
  {
    constexpr FormFrame kFrame{L"PbwCaptionFitForm1", WS_POPUP, 0, kForm1ClientWidthTwips, kForm1ClientHeightTwips};
    Form1ControlsAlone alone;
    ASSERT_TRUE(alone.form.Create(kFrame, nullptr, nullptr, OuterRect(kFrame), nullptr, ::GetModuleHandleW(nullptr),
                                  Form1Layout()));
    for (const FormControl& c : Form1Layout()) {
      if (c.kind == ControlKind::Picture) continue;  // no text
      SCOPED_TRACE(c.id);
      ExpectFont(alone.form.Control(c.id), c.font);
    }
  }

  ProgramLifetime lifetime;
  InfoFormFreeware dialog(lifetime);
  dialog.ShowAboutDialog();
  const HWND about = ::FindWindowW(nullptr, L"Info \u00fcber PostboxWatchman");
  ASSERT_NE(about, nullptr);
  ExpectFont(::GetDlgItem(about, info_form::kLabelId), info_form::kLabelFont);
  for (const FormControl& c : info_form::kControls) {
    if (c.kind == ControlKind::DialogButton) ExpectFont(::GetDlgItem(about, c.id), kLayoutFont);
  }
  ::DestroyWindow(about);
  MSG quit;
  ::PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

}  // namespace
}  // namespace pbw
