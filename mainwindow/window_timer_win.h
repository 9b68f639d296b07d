#pragma once
// A timer of a window: the system's ticks arrive as WM_TIMER with this timer's id, and the window
// hands each to TakeTick, which tells whether it counts.
//
// Stopping and starting it again, as the reply watchdog does for every reply, costs no call to the
// system (under Wine each such call is a round trip to the wineserver): the system's timer runs on,
// a tick counts only once a whole period has passed since the last start, and the system's timer is
// set again or stopped only when a tick comes that does not count.

#include <windows.h>

#include "engine/engine_ports.h"

namespace pbw {

class WindowTimer final : public Timer {
 public:
  WindowTimer(HWND window, UINT_PTR id, UINT periodMs) : window_(window), id_(id), periodMs_(periodMs) {}
  WindowTimer(const WindowTimer&) = delete;
  WindowTimer& operator=(const WindowTimer&) = delete;
  ~WindowTimer() override;

  void SetEnabled(bool enabled) override;
  // Whether a tick of the system's timer counts as a tick of this one.
  bool TakeTick();

 private:
  void RunSystemTimer(UINT dueMs);

  HWND window_;
  UINT_PTR id_;
  UINT periodMs_;
  bool enabled_ = false;
  // The system's timer: whether it runs, and the period it was last set to.
  bool running_ = false;
  UINT systemPeriodMs_ = 0;
  // The moment of the last start or counted tick, from GetTickCount.
  DWORD startedAt_ = 0;
};

}  // namespace pbw
