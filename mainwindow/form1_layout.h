#pragma once
// The main window's layout: every control with its place in twips, its keyboard order and caption.

#include <cstdint>
#include <optional>
#include <span>

#include "forms/form_control.h"

namespace pbw {

// Identifies each control.
enum class ControlId : std::uint16_t {
  Frame1 = 100,
  Image1Image1,
  Label1_0,
  Label1_1,
  Label1_2,
  Label1_3,
  Label1_4,
  Label1_5,
  ServerNameTB,
  PostfachNameTB,
  PasswortTB,
  IntervalList,
  MailClientTB,
  AutoStartCHK,
  Btn0,
  Btn1,
  Btn2,
  Btn20,
  Btn21,
  Btn22,
  Image1,
  Image2,
  Image3,
  Sbar,
  T,
};

// The indexes of the `Btn` control array: the index alone tells `Btn_Click` which button was pressed.
inline constexpr std::int16_t kBtnChooseMailClient = 0;  // "..."
inline constexpr std::int16_t kBtnHide = 1;              // "&OK"
inline constexpr std::int16_t kBtnTest = 2;              // "&Test"
inline constexpr std::int16_t kBtnInfo = 20;             // "&Info"
inline constexpr std::int16_t kBtnHelp = 21;             // "&Hilfe"
inline constexpr std::int16_t kBtnEnd = 22;              // "&Ende"

constexpr int kForm1ClientWidthTwips = 8025;
constexpr int kForm1ClientHeightTwips = 4050;

constexpr int FormId(ControlId id) { return static_cast<int>(id); }

// All controls, in keyboard order first (tab index 0 upwards), then the pictures. "&OK" is bold;
// every other control has the layout's regular face.
std::span<const FormControl> Form1Layout();

// The index within the `Btn` control array of the control `id`, if it is one of its buttons.
std::optional<std::int16_t> BtnIndexOf(ControlId id);

}  // namespace pbw
