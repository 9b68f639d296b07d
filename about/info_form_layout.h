#pragma once
// The About dialog's layout in twips (1440 to the inch) and its control identifiers.

#include <array>
#include <optional>

#include "common/layout_font.h"
#include "forms/form_control.h"

namespace pbw::info_form {

inline constexpr int kClientWidth = 9390;
inline constexpr int kClientHeight = 6360;

// The label's own face, 9.75 points; the buttons have the layout's font.
inline constexpr LayoutFont kLabelFont{L"Arial", 195};

inline constexpr const wchar_t* kImage1Tooltip =
    L"Klicken Sie hier, um noch mehr interessante Trelvik-Programme kennenzulernen ...";

// The elements of the Btn control array; the index tells the click handler the action.
inline constexpr short kWhoIsTrelvik = 4;
inline constexpr short kWriteMail = 0;
inline constexpr short kWhatsNew = 1;
inline constexpr short kCloseWindow = 3;

// Control identifiers. The buttons keep clear of IDOK and IDCANCEL, which the keyboard handling
// sends for Enter and Escape when no button takes them.
inline constexpr int kImage1Id = 10;
inline constexpr int kLabelId = 11;
inline constexpr int kLine1Id = 12;
inline constexpr int kFirstButtonId = 100;

constexpr int ButtonId(short index) { return kFirstButtonId + index; }

inline constexpr int kButtonTop = 5700;
inline constexpr int kButtonHeight = 555;

// The buttons left to right, which is also the keyboard order: the first holds the focus when the
// dialog opens. The rule runs from (1140, 5580) to (9300, 5580), drawn as an etched line two pixels
// high.
inline constexpr std::array<FormControl, 7> kControls{{
    {ButtonId(kWhoIsTrelvik), ControlKind::DialogButton, {1140, kButtonTop, 1275, kButtonHeight}, L"&Wer ist Trelvik?"},
    {ButtonId(kWriteMail),
     ControlKind::DialogButton,
     {2490, kButtonTop, 1575, kButtonHeight},
     L"&Mail an Trelvik schreiben"},
    {ButtonId(kWhatsNew),
     ControlKind::DialogButton,
     {4140, kButtonTop, 1695, kButtonHeight},
     L"Was gibts Neues auf &Trelvik?"},
    {ButtonId(kCloseWindow),
     ControlKind::DialogButton,
     {8190, kButtonTop, 1125, kButtonHeight},
     L"Fenster &schliessen"},
    {kImage1Id, ControlKind::Picture, {90, 120, 915, 6135}, L""},
    {kLabelId, ControlKind::TextBlock, {1140, 120, 8115, 5415}, L"Label1", kLabelFont},
    {kLine1Id, ControlKind::Rule, {1140, 5580, 8160, 30}, L""},
}};

constexpr std::optional<short> ButtonIndexOf(int controlId) {
  for (const short index : {kWhoIsTrelvik, kWriteMail, kWhatsNew, kCloseWindow}) {
    if (ButtonId(index) == controlId) return index;
  }
  return std::nullopt;
}

}  // namespace pbw::info_form
