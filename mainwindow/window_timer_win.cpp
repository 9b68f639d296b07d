#include "mainwindow/window_timer_win.h"

namespace pbw {

WindowTimer::~WindowTimer() {
  if (running_) ::KillTimer(window_, id_);
}

void WindowTimer::SetEnabled(bool enabled) {
  enabled_ = enabled;
  if (!enabled) return;
  // Starting a running timer again restarts its period.
  startedAt_ = ::GetTickCount();
  if (!running_) RunSystemTimer(periodMs_);
}

bool WindowTimer::TakeTick() {
  if (!running_) return false;  // queued before the system's timer stopped
  if (!enabled_) {
    ::KillTimer(window_, id_);
    running_ = false;
    return false;
  }
  const DWORD now = ::GetTickCount();
  const DWORD sinceStart = now - startedAt_;
  // The clock moves in steps of up to 16 ms: a tick that much early is on time.
  constexpr DWORD kClockStepsMs = 32;
  if (sinceStart + kClockStepsMs < periodMs_) {
    // Started again within the period: the next tick comes when the period is full.
    RunSystemTimer(periodMs_ - static_cast<UINT>(sinceStart));
    return false;
  }
  if (systemPeriodMs_ != periodMs_) RunSystemTimer(periodMs_);
  startedAt_ = now;
  return true;
}

void WindowTimer::RunSystemTimer(UINT dueMs) {
  // Setting the system's timer again replaces its period.
  running_ = ::SetTimer(window_, id_, dueMs, nullptr) != 0;
  systemPeriodMs_ = dueMs;
}

}  // namespace pbw
