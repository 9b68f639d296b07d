#pragma once
// The main window's layout: every control with its place in twips, its keyboard order and caption.

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "common/layout_font.h"
#include "common/twips.h"

namespace pbw {

enum class ControlKind {
  Frame,
  Label,
  TextBox,
  PasswordBox,
  DropDownList,
  Button,
  CheckBox,
  Picture,
  StatusBar,
  TraceBox
};

// Identifies each control; buttons of the `Btn` array carry their index in `btnIndex`.
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

struct ControlSpec {
  ControlId id;
  ControlKind kind;
  TwipsRect place;  // relative to the window's client area
  std::wstring_view caption;
  int btnIndex = -1;  // index within the `Btn` control array
};

constexpr int kForm1ClientWidthTwips = 8025;
constexpr int kForm1ClientHeightTwips = 4050;

// All controls, in keyboard order first (tab index 0 upwards), then the pictures.
std::span<const ControlSpec> Form1Layout();

// "&OK" is bold; every other control has the layout's regular face.
const LayoutFont& FontOf(ControlId id);

const ControlSpec* FindControl(ControlId id);

}  // namespace pbw
