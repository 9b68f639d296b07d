#include "mainwindow/window_timer_win.h"

namespace pbw {

void WindowTimer::SetEnabled(bool enabled) {
  if (enabled) {
    // Setting a running timer again restarts its period, like re-enabling it.
    ::SetTimer(window_, id_, periodMs_, nullptr);
  } else if (enabled_) {
    ::KillTimer(window_, id_);
  }
  enabled_ = enabled;
}

}  // namespace pbw
