#include "mainwindow/form1_layout.h"

#include <algorithm>
#include <array>

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

constexpr std::array<FormControl, 25> kControls{{
    {FormId(I::ServerNameTB), K::TextBox, In(kFrame1, 1710, 210, 3855, 315), L""},
    {FormId(I::PostfachNameTB), K::TextBox, In(kFrame1, 1710, 660, 3855, 315), L""},
    {FormId(I::PasswortTB), K::PasswordBox, In(kFrame1, 1710, 1110, 3855, 315), L""},
    {FormId(I::IntervalList), K::DropDownList, In(kFrame1, 1710, 1560, 855, 315), L""},
    {FormId(I::Btn2), K::Button, In(kFrame1, 3540, 1560, 825, 315), L"&Test"},
    {FormId(I::AutoStartCHK), K::CheckBox, In(kFrame1, 4440, 1560, 1125, 315), L"&Autostart"},
    {FormId(I::MailClientTB), K::TextBox, In(kFrame1, 1710, 2070, 3285, 315), L""},
    {FormId(I::Btn0), K::Button, In(kFrame1, 5040, 2070, 525, 315), L"..."},
    {FormId(I::Btn20), K::Button, In(kLowerFrame, 3720, 180, 885, 345), L"&Info"},
    {FormId(I::Btn21), K::Button, In(kLowerFrame, 4680, 180, 885, 345), L"&Hilfe"},
    {FormId(I::Btn22), K::Button, In(kLowerFrame, 3720, 630, 885, 345), L"&Ende"},
    {FormId(I::Btn1), K::Button, In(kLowerFrame, 4680, 630, 885, 345), L"&OK", kLayoutBoldFont},
    {FormId(I::T), K::TraceBox, {300, 4080, 7725, 2565}, L""},
    {FormId(I::Sbar), K::StatusBar, {0, 3735, 8025, 315}, L""},
    {FormId(I::Frame1), K::Frame, kFrame1, L""},
    {FormId(I::Image1Image1), K::Frame, kLowerFrame, L""},
    {FormId(I::Label1_5), K::Label, In(kFrame1, 2580, 1560, 885, 315), L"Minuten"},
    {FormId(I::Label1_4), K::Label, In(kFrame1, 120, 1560, 1575, 315), L"Prüfinterval"},
    {FormId(I::Label1_3), K::Label, In(kFrame1, 120, 2070, 1575, 315), L"E-Mail-Programm"},
    {FormId(I::Label1_0), K::Label, In(kFrame1, 120, 210, 1575, 315), L"POP3-Server"},
    {FormId(I::Label1_1), K::Label, In(kFrame1, 120, 660, 1575, 315), L"Postfach"},
    {FormId(I::Label1_2), K::Label, In(kFrame1, 120, 1110, 1575, 315), L"Passwort"},
    // Pictures take no focus. Image2's own place lies behind the buttons; it is only ever
    // shown moved onto Image1's rectangle.
    {FormId(I::Image1), K::Picture, In(kLowerFrame, 120, 180, 3510, 795), L""},
    {FormId(I::Image2), K::Picture, In(kLowerFrame, 3900, 420, 1125, 405), L""},
    {FormId(I::Image3), K::Picture, {60, 90, 2115, 3585}, L""},
}};

struct BtnElement {
  ControlId id;
  std::int16_t index;
};

constexpr std::array<BtnElement, 6> kBtnArray{{
    {I::Btn0, kBtnChooseMailClient},
    {I::Btn1, kBtnHide},
    {I::Btn2, kBtnTest},
    {I::Btn20, kBtnInfo},
    {I::Btn21, kBtnHelp},
    {I::Btn22, kBtnEnd},
}};

}  // namespace

std::span<const FormControl> Form1Layout() { return kControls; }

std::optional<std::int16_t> BtnIndexOf(ControlId id) {
  const auto element =
      std::find_if(kBtnArray.begin(), kBtnArray.end(), [id](const BtnElement& b) { return b.id == id; });
  if (element == kBtnArray.end()) return std::nullopt;
  return element->index;
}

}  // namespace pbw
