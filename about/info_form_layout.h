#pragma once
// The About dialog's layout in twips (1440 to the inch) and its control identifiers.

#include <array>
#include <optional>

#include "common/layout_font.h"
#include "common/twips.h"

namespace pbw::info_form {

inline constexpr int kClientWidth = 9390;
inline constexpr int kClientHeight = 6360;

inline constexpr TwipsRect kImage1{90, 120, 915, 6135};
inline constexpr TwipsRect kLabel{1140, 120, 8115, 5415};
// The label's own face, 9.75 points; the buttons have the layout's font.
inline constexpr LayoutFont kLabelFont{L"Arial", 195};
// The rule from (1140, 5580) to (9300, 5580), drawn as an etched line two pixels high.
inline constexpr TwipsRect kLine1{1140, 5580, 8160, 30};

inline constexpr const wchar_t* kImage1Tooltip =
    L"Klicken Sie hier, um noch mehr interessante Trelvik-Programme kennenzulernen ...";

struct ButtonSpec {
  short index;  // the element of the Btn control array, which tells the click handler the action
  const wchar_t* caption;
  int left;
  int width;
};

inline constexpr int kButtonTop = 5700;
inline constexpr int kButtonHeight = 555;

// Left to right, which is also the keyboard order; the first holds the focus when the dialog opens.
inline constexpr std::array<ButtonSpec, 4> kButtons{{
    {4, L"&Wer ist Trelvik?", 1140, 1275},
    {0, L"&Mail an Trelvik schreiben", 2490, 1575},
    {1, L"Was gibts Neues auf &Trelvik?", 4140, 1695},
    {3, L"Fenster &schliessen", 8190, 1125},
}};

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

constexpr std::optional<short> ButtonIndexOf(int controlId) {
  for (const ButtonSpec& button : kButtons) {
    if (ButtonId(button.index) == controlId) return button.index;
  }
  return std::nullopt;
}

}  // namespace pbw::info_form
