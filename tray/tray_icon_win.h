#pragma once
// The program's icon in the notification area, and the hook on the main window that takes the icon's
// notifications (message 1024) and passes every other message on to the window. One object per
// hooked window: it remembers the window and the added icon, so that a restarted shell gets the icon
// again, and so that an icon the shell refused (at log-on, before the task bar is ready) is offered
// again.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "common/control_extension_win.h"
#include "tray/notification_area_win.h"

namespace pbw {

// What a mouse notification from the tray icon does. There is no context menu: the right button
// acts like the left one, and only presses count.
enum class TrayMouseAction { kNone, kClick, kDoubleClick };

// `mouseMessage` is the lParam of the icon's notification: the mouse message the shell reports.
TrayMouseAction TrayMouseActionFor(std::uint32_t mouseMessage);

// What a press on the tray icon does; the owner of the hooked window decides.
using TrayClickHandler = std::function<void(std::uint32_t iconId)>;

// The hooked window's timer that offers a refused icon again: every 2 s for two minutes. The hook
// takes its ticks; the window's owner must not use the id for a timer of its own.
inline constexpr UINT_PTR kTrayAddRetryTimerId = 0x5442;
inline constexpr UINT kTrayAddRetryPeriodMs = 2000;
inline constexpr int kTrayAddRetries = 60;

class TrayIcon {
 public:
  explicit TrayIcon(NotificationArea& area = ShellNotificationArea()) : area_(area) {}
  TrayIcon(const TrayIcon&) = delete;
  TrayIcon& operator=(const TrayIcon&) = delete;

  // A second install moves the hook to the window it names.
  void InstallWindowHook(HWND window, TrayClickHandler onClick);
  // The window's messages go straight to it again. The window stays remembered; removing twice, or
  // before any install, changes nothing.
  void RemoveWindowHook();
  // The hooked window; null before the first install.
  HWND HookedWindow() const { return hookedWindow_; }

  // Builds the record (tip in the ANSI code page) and hands it to the notification area; false when
  // the shell refused it. Every record names the hooked window, so the icon's notifications reach
  // the hook.
  bool NotifyIconCall(std::uint32_t message, std::uint32_t iconId, HICON icon, std::wstring_view tip);
  // Adds the icon and remembers it, so that it can be added again after the shell restarts. Needs the
  // hook: a refused add is tried again on the hooked window's timer until the shell takes it.
  void AddTrayIcon(std::uint32_t iconId, HICON icon, std::wstring_view tip);
  // Deletes the icon, forgets it and stops offering it. Harmless when the icon does not exist.
  void RemoveTrayIcon(std::uint32_t iconId);

  void OnTrayIconClick(std::uint32_t iconId);

 private:
  friend class ControlHook<TrayIcon>;

  struct AddedIcon {
    std::uint32_t iconId;
    HICON icon;
    std::wstring tip;
  };

  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  bool AddRememberedIcon();
  // Adds the remembered icon; when the shell refuses it, the retry timer runs.
  void OfferRememberedIcon();
  void OnAddRetryTimer();
  void StopAddRetries();

  NotificationArea& area_;
  HWND hookedWindow_ = nullptr;
  TrayClickHandler clickHandler_;
  std::optional<AddedIcon> addedIcon_;
  int addRetriesLeft_ = 0;  // more than 0 while the retry timer runs
  // Last: a hook still in place ends before the state its messages use.
  std::optional<ControlHook<TrayIcon>> hook_;
};

}  // namespace pbw
