#include "bench/stall_probe_win.h"

#include <algorithm>
#include <chrono>

namespace pbw::bench {
namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kPeriod = std::chrono::milliseconds(10);
constexpr UINT kAnswerLimitMs = 10000;

}  // namespace

StallProbe::StallProbe(HWND target)
    : thread_([this, target] {
        while (!stop_) {
          const auto asked = Clock::now();
          DWORD_PTR result = 0;
          ::SendMessageTimeoutW(target, WM_NULL, 0, 0, SMTO_NORMAL, kAnswerLimitMs, &result);
          const auto answered = Clock::now();
          longestMs_ = std::max(longestMs_, std::chrono::duration<double, std::milli>(answered - asked).count());
          if (answered - asked < kPeriod) std::this_thread::sleep_for(kPeriod - (answered - asked));
        }
      }) {}

StallProbe::~StallProbe() { Stop(); }

double StallProbe::Stop() {
  stop_ = true;
  if (thread_.joinable()) thread_.join();
  return longestMs_;
}

}  // namespace pbw::bench
