#pragma once
// The program's icon in the notification area, and the replacement window procedure of the main
// window that takes the icon's notifications (message 1024) and passes every other message to the
// procedure it replaced. One object per hooked window: it remembers the window, the replaced
// procedure and the added icon, so that a restarted shell gets the icon again.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "tray/notification_area_win.h"

namespace pbw {

// What a mouse notification from the tray icon does. There is no context menu: the right button
// acts like the left one, and only presses count.
enum class TrayMouseAction { kNone, kClick, kDoubleClick };

// `mouseMessage` is the lParam of the icon's notification: the mouse message the shell reports.
TrayMouseAction TrayMouseActionFor(std::uint32_t mouseMessage);

// What a press on the tray icon does; the owner of the hooked window decides.
using TrayClickHandler = std::function<void(std::uint32_t iconId)>;

class TrayIcon {
 public:
  explicit TrayIcon(NotificationArea& area = ShellNotificationArea()) : area_(area) {}
  // Puts the previous procedure back if the window still carries the hook.
  ~TrayIcon();
  TrayIcon(const TrayIcon&) = delete;
  TrayIcon& operator=(const TrayIcon&) = delete;

  // Once per window, and not again before RemoveWindowHook: a second install would forward to itself.
  void InstallWindowHook(HWND window, TrayClickHandler onClick);
  // Puts the previous procedure back. The window and the procedure stay remembered, so a second
  // remove sets the same procedure again; before any install it changes nothing.
  void RemoveWindowHook();
  // The window whose procedure was replaced; null before the first install.
  HWND HookedWindow() const { return hookedWindow_; }

  // Builds the record (tip in the ANSI code page) and hands it to the notification area. Every
  // record names the hooked window, so the icon's notifications reach the hook.
  void NotifyIconCall(std::uint32_t message, std::uint32_t iconId, HICON icon, std::wstring_view tip);
  // Adds the icon and remembers it, so that it can be added again after the shell restarts.
  void AddTrayIcon(std::uint32_t iconId, HICON icon, std::wstring_view tip);
  // Deletes the icon and forgets it. Harmless when the icon does not exist.
  void RemoveTrayIcon(std::uint32_t iconId);

  static LRESULT CALLBACK TrayWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void OnTrayIconClick(std::uint32_t iconId);

 private:
  struct AddedIcon {
    std::uint32_t iconId;
    HICON icon;
    std::wstring tip;
  };

  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  NotificationArea& area_;
  HWND hookedWindow_ = nullptr;
  WNDPROC previousWindowProc_ = nullptr;
  TrayClickHandler clickHandler_;
  std::optional<AddedIcon> addedIcon_;
};

}  // namespace pbw
