#include "engine/check_schedule.h"

#include "common/leading_number.h"

namespace pbw {

void CheckSchedule::CheckPOP3Timer_Timer() {
  ++minutesSinceCheck_;
  const double interval = LeadingNumber(intervals_.SelectedEntryText());
  if (interval > static_cast<double>(minutesSinceCheck_)) return;

  // Counted from here even when offline: the next attempt comes one whole interval later.
  minutesSinceCheck_ = 0;
  // A session begun by hand while the probe was asked is not abandoned for this one.
  probe_.AskConnectionName([this, begun = sessionsBegun_()](const std::wstring& name) {
    if (!name.empty() && sessionsBegun_() == begun) startCheck_();
  });
}

}  // namespace pbw
