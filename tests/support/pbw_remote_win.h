#pragma once
// Drives a running PBW.exe from another process, as a user would: through its tray notification,
// its buttons and fields, and by reading its status bar.

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "common/unique_handle_win.h"
#include "mainwindow/form1_layout.h"

namespace pbw::testing {

// The Windows form of a path: the build hands Unix paths to programs running under Wine.
std::wstring WindowsPath(std::string_view buildPath);

class RunningPbw {
 public:
  // Starts the program and waits until its main window exists; check Started() afterwards.
  explicit RunningPbw(const std::wstring& exePath);
  RunningPbw(const RunningPbw&) = delete;
  RunningPbw& operator=(const RunningPbw&) = delete;
  // Ends the process if a test left it running.
  ~RunningPbw();

  bool Started() const { return window_ != nullptr; }
  HWND MainWindow() const { return window_; }
  HWND Control(ControlId id) const;

  // The shell's notification for a mouse message on the tray icon (message 1024).
  void TrayNotification(UINT mouseMessage) const;
  void Press(ControlId button) const;
  // For a button that opens something modal: the press is posted, so this returns at once.
  void PressWithoutWaiting(ControlId button) const;
  void Close() const;  // the close box
  void AltF4() const;
  // A bare close, as the task manager's "End task", taskkill and installers send it.
  void CloseFromOutside() const;
  std::wstring Text(ControlId id) const;
  void SetText(ControlId id, const std::wstring& text) const;
  int SelectedIndex(ControlId comboBox) const;
  std::wstring StatusLine() const;
  bool IsVisible() const;
  bool IsLoaded() const { return ::IsWindow(window_) != FALSE; }

  // A top-level window of the program by its caption, other than `besides`; null when there is none.
  HWND FindWindowOfProgram(std::wstring_view caption, HWND besides = nullptr) const;
  // Waits until such a window exists.
  HWND WaitForWindowOfProgram(std::wstring_view caption, HWND besides = nullptr) const;

  // Waits (with a generous safety limit) until the status line reads `text`.
  bool WaitForStatus(std::wstring_view text) const;
  bool WaitForExit();
  bool HasExited() const;

 private:
  UniqueKernelHandle process_;
  DWORD processId_ = 0;
  HWND window_ = nullptr;
};

// Whether the notification area holds the icon `iconId` of `window`.
bool HasTrayIcon(HWND window, UINT iconId = 0);

// The texts of a window's children, in their order.
std::vector<std::wstring> ChildTexts(HWND window);
// The child whose text is `text`; null when there is none.
HWND ChildWithText(HWND window, std::wstring_view text);
// The text of any window, also of another process.
std::wstring TextOf(HWND window);

// Polls `condition` until it holds or the safety limit passes.
template <typename Condition>
bool WaitUntil(Condition condition, DWORD limitMs = 30000) {
  const ULONGLONG deadline = ::GetTickCount64() + limitMs;
  while (!condition()) {
    if (::GetTickCount64() > deadline) return false;
    ::Sleep(20);
  }
  return true;
}

}  // namespace pbw::testing
