#include "mainwindow/single_instance_win.h"

#include "mainwindow/form1_win.h"
#include "tray/notify_icon_record.h"

namespace pbw {
namespace {

// "Local\" is the namespace of the user's own session.
constexpr wchar_t kMutexName[] = L"Local\\Trelvik Software PostboxWatchman";
constexpr int kWaitForWindowMs = 10000;
constexpr int kPollMs = 50;
constexpr UINT kMessageLimitMs = 5000;

}  // namespace

SingleInstance::SingleInstance() : mutex_(::CreateMutexW(nullptr, FALSE, kMutexName)) {
  alreadyRunning_ = mutex_ && ::GetLastError() == ERROR_ALREADY_EXISTS;
}

void ShowRunningInstance() {
  // The other instance may still be loading: its name exists before its window does.
  HWND window = Form1::FindLoaded();
  for (int waited = 0; window == nullptr && waited < kWaitForWindowMs; waited += kPollMs) {
    ::Sleep(kPollMs);
    window = Form1::FindLoaded();
  }
  if (window == nullptr) return;
  DWORD processId = 0;
  ::GetWindowThreadProcessId(window, &processId);
  // This start came from the user, so it may hand on the right to come to the front.
  ::AllowSetForegroundWindow(processId);
  ::SendMessageTimeoutW(window, kTrayCallbackMessage, 0, WM_LBUTTONDOWN, SMTO_ABORTIFHUNG, kMessageLimitMs, nullptr);
}

}  // namespace pbw
