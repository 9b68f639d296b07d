#pragma once
// Scheduled checks: the once-a-minute timer counts ticks, and when the chosen interval is reached
// and the computer has a usable Internet connection, a check session is started (as soon as the
// connection probe has answered). The interval list is read anew at every tick.

#include <cstdint>
#include <functional>
#include <utility>

#include "engine/engine_ports.h"

namespace pbw {

class CheckSchedule {
 public:
  // `sessionsBegun` counts the check sessions begun so far, by the schedule or by hand.
  CheckSchedule(const IntervalListView& intervals, ConnectionProbe& probe, std::function<void()> startCheck,
                std::function<std::uint32_t()> sessionsBegun)
      : intervals_(intervals),
        probe_(probe),
        startCheck_(std::move(startCheck)),
        sessionsBegun_(std::move(sessionsBegun)) {}

  // The tick of the schedule timer.
  void CheckPOP3Timer_Timer();

  // Ticks since program start or since the interval was last reached.
  std::int32_t MinutesSinceCheck() const { return minutesSinceCheck_; }

 private:
  const IntervalListView& intervals_;
  ConnectionProbe& probe_;
  std::function<void()> startCheck_;
  std::function<std::uint32_t()> sessionsBegun_;
  std::int32_t minutesSinceCheck_ = 0;
};

}  // namespace pbw
