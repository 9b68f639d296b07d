#pragma once
// One control of a form laid out in twips: the one table shape of every window of the program.

#include <string_view>

#include "common/layout_font.h"
#include "common/twips.h"

namespace pbw {

enum class ControlKind {
  Frame,
  Label,      // one line, centred vertically
  TextBlock,  // word-wrapped lines
  Rule,       // an etched horizontal line
  TextBox,
  PasswordBox,
  DropDownList,
  Button,
  // A push button whose caption is broken into the lines that fit it, and that shows itself as the
  // default button while it has the keyboard, as Enter then presses it.
  DialogButton,
  CheckBox,
  Picture,
  StatusBar,
  TraceBox,  // a hidden multi-line box that holds any length of text
};

struct FormControl {
  int id;
  ControlKind kind;
  TwipsRect place;  // relative to the form's client area
  std::wstring_view caption;
  LayoutFont font = kLayoutFont;
};

// The kinds that the keyboard reaches with Tab.
constexpr bool IsTabStop(ControlKind kind) {
  switch (kind) {
    case ControlKind::TextBox:
    case ControlKind::PasswordBox:
    case ControlKind::DropDownList:
    case ControlKind::Button:
    case ControlKind::DialogButton:
    case ControlKind::CheckBox:
      return true;
    default:
      return false;
  }
}

}  // namespace pbw
