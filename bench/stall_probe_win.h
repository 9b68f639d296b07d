#pragma once
// Asks a window of another process every 10 ms whether its message loop answers (WM_NULL through
// SendMessageTimeout) and keeps the longest wait for an answer.

#include <windows.h>

#include <atomic>
#include <thread>

namespace pbw::bench {

class StallProbe {
 public:
  explicit StallProbe(HWND target);
  ~StallProbe();
  StallProbe(const StallProbe&) = delete;
  StallProbe& operator=(const StallProbe&) = delete;

  // Stops probing and returns the longest wait in milliseconds (a message that got no answer within
  // ten seconds counts as ten seconds).
  double Stop();

 private:
  std::atomic<bool> stop_ = false;
  double longestMs_ = 0;
  std::thread thread_;
};

}  // namespace pbw::bench
