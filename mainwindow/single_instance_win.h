#pragma once
// One PostboxWatchman per user session: a second start would check the same mailbox twice and put a
// second icon into the notification area.

#include <windows.h>

#include "common/unique_handle_win.h"

namespace pbw {

// The claim to be the one instance: held by the thread that runs the main window, from its start
// until the window unloads (an About dialog may keep the process alive after that) or the process
// ends.
class SingleInstance {
 public:
  // Claims the program's name in the session, unless another instance holds it.
  SingleInstance();
  SingleInstance(const SingleInstance&) = delete;
  SingleInstance& operator=(const SingleInstance&) = delete;
  ~SingleInstance() { Release(); }

  bool Held() const { return held_; }

  // For a start by the user while another instance holds the claim: shows that instance's main
  // window as a press on its tray icon would, once its load has ended. Takes the claim instead when
  // the other instance lets it go first. Gives up after a while; false unless the claim was taken.
  bool ShowRunningInstanceOrTakeOver();

  // From now on a new start is the one instance.
  void Release();

 private:
  bool Take(DWORD waitMs);

  UniqueKernelHandle mutex_;
  bool held_ = false;
};

}  // namespace pbw
