#include "mainwindow/single_instance_win.h"

#include "mainwindow/form1_win.h"
#include "resources/program_identity.h"
#include "tray/notify_icon_record.h"

namespace pbw {
namespace {

constexpr DWORD kWaitForWindowMs = 10000;
constexpr DWORD kPollMs = 50;
constexpr UINT kMessageLimitMs = 5000;

void ShowInstance(HWND window) {
  DWORD processId = 0;
  ::GetWindowThreadProcessId(window, &processId);
  // This start came from the user, so it may hand on the right to come to the front.
  ::AllowSetForegroundWindow(processId);
  ::SendMessageTimeoutW(window, kTrayCallbackMessage, 0, WM_LBUTTONDOWN, SMTO_ABORTIFHUNG, kMessageLimitMs, nullptr);
}

}  // namespace

SingleInstance::SingleInstance() : mutex_(::CreateMutexW(nullptr, FALSE, kSingleInstanceMutexName)) {
  // Without the name (the system refused it) the program runs all the same.
  held_ = !mutex_ || Take(0);
}

bool SingleInstance::Take(DWORD waitMs) {
  // An instance that ended without letting go leaves the claim abandoned: free to take.
  const DWORD result = ::WaitForSingleObject(mutex_.get(), waitMs);
  held_ = result == WAIT_OBJECT_0 || result == WAIT_ABANDONED;
  return held_;
}

bool SingleInstance::ShowRunningInstanceOrTakeOver() {
  // The other instance becomes findable only once its load has ended; until then, or when it lets
  // go of the claim, this start waits.
  for (DWORD waited = 0; waited < kWaitForWindowMs; waited += kPollMs) {
    if (const HWND window = Form1::FindLoaded()) {
      ShowInstance(window);
      return false;
    }
    if (Take(kPollMs)) return true;
  }
  return false;
}

void SingleInstance::Release() {
  if (held_ && mutex_) ::ReleaseMutex(mutex_.get());
  held_ = false;
}

}  // namespace pbw
