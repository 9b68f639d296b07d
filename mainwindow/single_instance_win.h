#pragma once
// One PostboxWatchman per user session: a second start would check the same mailbox twice and put a
// second icon into the notification area.

#include <windows.h>

#include "common/unique_handle_win.h"

namespace pbw {

class SingleInstance {
 public:
  // Claims the program's name in the session; held until this object ends.
  SingleInstance();

  bool AlreadyRunning() const { return alreadyRunning_; }

 private:
  UniqueKernelHandle mutex_;
  bool alreadyRunning_ = false;
};

// Shows the main window of the instance that runs already, as a press on its tray icon would.
void ShowRunningInstance();

}  // namespace pbw
