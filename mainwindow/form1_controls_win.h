#pragma once
// The main window's controls by name.

#include <windows.h>

#include "mainwindow/form1_layout.h"

namespace pbw {

class Form1Controls {
 public:
  explicit Form1Controls(HWND form) : form_(form) {}

  HWND operator[](ControlId id) const { return ::GetDlgItem(form_, FormId(id)); }

 private:
  HWND form_;
};

// The banners and the side picture, each decoded when the window is first shown: it starts hidden in
// the tray, often for the whole run.
void ShowForm1Pictures(const Form1Controls& controls, HINSTANCE instance);

}  // namespace pbw
