#pragma once
// A timer of a window: ticks arrive as WM_TIMER with this timer's id.

#include <windows.h>

#include "engine/engine_ports.h"

namespace pbw {

class WindowTimer final : public Timer {
 public:
  WindowTimer(HWND window, UINT_PTR id, UINT periodMs) : window_(window), id_(id), periodMs_(periodMs) {}
  WindowTimer(const WindowTimer&) = delete;
  WindowTimer& operator=(const WindowTimer&) = delete;
  ~WindowTimer() override { SetEnabled(false); }

  void SetEnabled(bool enabled) override;

 private:
  HWND window_;
  UINT_PTR id_;
  UINT periodMs_;
  bool enabled_ = false;
};

}  // namespace pbw
