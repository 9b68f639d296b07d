#pragma once
// Drives a running PBW.exe from another process, as a user would: through its tray notification,
// its buttons and fields, and by reading its status bar.

#include <windows.h>

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/unique_handle_win.h"
#include "mainwindow/form1_layout.h"
#include "tests/support/message_pump_win.h"

namespace pbw::testing {

// The Windows form of a path: the build hands Unix paths to programs running under Wine.
std::wstring WindowsPath(std::string_view buildPath);

class RunningPbw {
 public:
  // Starts the program and waits until its main window has loaded; check Started() afterwards.
  // Without arguments it is a start by the user, which shows the window; "/AUTOSTART" starts as at
  // log-on.
  explicit RunningPbw(const std::wstring& exePath, const std::wstring& arguments = L"");
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
  // A key pressed and released where the program's keyboard focus is.
  void PressKey(WPARAM key) const;
  HWND Focus() const;
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
  bool WaitForStatus(std::wstring_view text, std::chrono::milliseconds limit = std::chrono::seconds(60)) const;
  bool WaitForExit();
  bool HasExited() const;

 private:
  UniqueKernelHandle process_;
  DWORD processId_ = 0;
  HWND window_ = nullptr;
};

// Starts the program with `arguments`; the process handle, or an empty one when it did not start.
UniqueKernelHandle StartProgram(const std::wstring& exePath, const std::wstring& arguments, DWORD& processId);

// Starts the program with `arguments` and waits for its end; its exit code, or nothing when it
// was still running after `limitMs` (it is then ended).
std::optional<DWORD> RunToEnd(const std::wstring& exePath, const std::wstring& arguments, DWORD limitMs = 10000);

// Whether the notification area holds the icon `iconId` of `window`.
bool HasTrayIcon(HWND window, UINT iconId = 0);

// The texts of a window's children, in their order.
std::vector<std::wstring> ChildTexts(HWND window);
// The child whose text is `text`; null when there is none.
HWND ChildWithText(HWND window, std::wstring_view text);
// The text of any window, also of another process.
std::wstring TextOf(HWND window);

}  // namespace pbw::testing
