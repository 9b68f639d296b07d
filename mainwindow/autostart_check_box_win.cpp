#include "mainwindow/autostart_check_box_win.h"

namespace pbw {

int AutostartCheckBoxControl::Value() const { return static_cast<int>(::SendMessageW(checkBox_, BM_GETCHECK, 0, 0)); }

void AutostartCheckBoxControl::SetValue(int value) {
  if (value == Value()) return;
  ::SendMessageW(checkBox_, BM_SETCHECK, static_cast<WPARAM>(value), 0);
  // Windows raises no click for a change made by the program; the autostart feature relies on one.
  onClick_();
}

}  // namespace pbw
