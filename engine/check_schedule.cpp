#include "engine/check_schedule.h"

#include "common/leading_number.h"

namespace pbw {

void CheckSchedule::CheckPOP3Timer_Timer() {
  ++minutesSinceCheck_;
  const double interval = LeadingNumber(intervals_.SelectedEntryText());
  if (interval > static_cast<double>(minutesSinceCheck_)) return;

  // Counted from here even when offline: the next attempt comes one whole interval later.
  minutesSinceCheck_ = 0;
  probe_.AskConnectionName([this](const std::wstring& name) {
    if (!name.empty()) startCheck_();
  });
}

}  // namespace pbw
