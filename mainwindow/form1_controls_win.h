#pragma once
// Creates the main window's controls from its layout table.

#include <windows.h>

#include <map>

#include "common/unique_handle_win.h"
#include "mainwindow/form1_layout.h"

namespace pbw {

class Form1Controls {
 public:
  // Creates every control as a child of `form`, in keyboard order, in the layout's font.
  Form1Controls(HWND form, HINSTANCE instance);

  HWND operator[](ControlId id) const { return windows_.at(id); }
  static int CommandId(ControlId id) { return static_cast<int>(id); }

 private:
  std::map<ControlId, HWND> windows_;
  UniqueFont font_;
  UniqueFont boldFont_;
};

}  // namespace pbw
