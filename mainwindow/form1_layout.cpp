#include "mainwindow/form1_layout.h"

#include <algorithm>

namespace pbw {
namespace {

// The two frames give the origin of the controls inside them.
constexpr TwipsRect kFrame1{2220, 0, 5745, 2565};
constexpr TwipsRect kLowerFrame{2220, 2580, 5745, 1095};

constexpr TwipsRect In(const TwipsRect& frame, int left, int top, int width, int height) {
  return {frame.left + left, frame.top + top, width, height};
}

using K = ControlKind;
using I = ControlId;

constexpr std::array<ControlSpec, 25> kControls{{
    {I::ServerNameTB, K::TextBox, In(kFrame1, 1710, 210, 3855, 315), L""},
    {I::PostfachNameTB, K::TextBox, In(kFrame1, 1710, 660, 3855, 315), L""},
    {I::PasswortTB, K::PasswordBox, In(kFrame1, 1710, 1110, 3855, 315), L""},
    {I::IntervalList, K::DropDownList, In(kFrame1, 1710, 1560, 855, 315), L""},
    {I::Btn2, K::Button, In(kFrame1, 3540, 1560, 825, 315), L"&Test", 2},
    {I::AutoStartCHK, K::CheckBox, In(kFrame1, 4440, 1560, 1125, 315), L"&Autostart"},
    {I::MailClientTB, K::TextBox, In(kFrame1, 1710, 2070, 3285, 315), L""},
    {I::Btn0, K::Button, In(kFrame1, 5040, 2070, 525, 315), L"...", 0},
    {I::Btn20, K::Button, In(kLowerFrame, 3720, 180, 885, 345), L"&Info", 20},
    {I::Btn21, K::Button, In(kLowerFrame, 4680, 180, 885, 345), L"&Hilfe", 21},
    {I::Btn22, K::Button, In(kLowerFrame, 3720, 630, 885, 345), L"&Ende", 22},
    {I::Btn1, K::Button, In(kLowerFrame, 4680, 630, 885, 345), L"&OK", 1},
    {I::T, K::TraceBox, {300, 4080, 7725, 2565}, L""},
    {I::Sbar, K::StatusBar, {0, 3735, 8025, 315}, L""},
    {I::Frame1, K::Frame, kFrame1, L""},
    {I::Image1Image1, K::Frame, kLowerFrame, L""},
    {I::Label1_5, K::Label, In(kFrame1, 2580, 1560, 885, 315), L"Minuten"},
    {I::Label1_4, K::Label, In(kFrame1, 120, 1560, 1575, 315), L"Prüfinterval"},
    {I::Label1_3, K::Label, In(kFrame1, 120, 2070, 1575, 315), L"E-Mail-Programm"},
    {I::Label1_0, K::Label, In(kFrame1, 120, 210, 1575, 315), L"POP3-Server"},
    {I::Label1_1, K::Label, In(kFrame1, 120, 660, 1575, 315), L"Postfach"},
    {I::Label1_2, K::Label, In(kFrame1, 120, 1110, 1575, 315), L"Passwort"},
    // Pictures take no focus. Image2's own place lies behind the buttons; it is only ever
    // shown moved onto Image1's rectangle.
    {I::Image1, K::Picture, In(kLowerFrame, 120, 180, 3510, 795), L""},
    {I::Image2, K::Picture, In(kLowerFrame, 3900, 420, 1125, 405), L""},
    {I::Image3, K::Picture, {60, 90, 2115, 3585}, L""},
}};

}  // namespace

std::span<const ControlSpec> Form1Layout() { return kControls; }

const LayoutFont& FontOf(ControlId id) { return id == ControlId::Btn1 ? kLayoutBoldFont : kLayoutFont; }

const ControlSpec* FindControl(ControlId id) {
  const auto it = std::find_if(kControls.begin(), kControls.end(), [id](const ControlSpec& c) { return c.id == id; });
  return it == kControls.end() ? nullptr : &*it;
}

}  // namespace pbw
