#include "tray/tray_icon_win.h"

#include <cstdint>
#include <optional>
#include <string>

#include "common/wide_text_win.h"
#include "tray/window_hook_win.h"

namespace pbw {
namespace {

struct AddedIcon {
  std::uint32_t iconId;
  HICON icon;
  std::wstring tip;
};

NotificationArea* notificationArea = &ShellNotificationArea();
std::optional<AddedIcon> addedIcon;

std::uint32_t HandleValue(const void* handle) {
  return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(handle));
}

}  // namespace

void NotifyIconCall(std::uint32_t message, std::uint32_t iconId, HICON icon, std::wstring_view tip) {
  const std::string ansiTip = CodePageFromWide(tip, CP_ACP);
  notificationArea->NotifyIcon(
      message, MakeNotifyIconRecord({HandleValue(HookedWindow()), iconId, HandleValue(icon), ansiTip}));
}

void AddTrayIcon(std::uint32_t iconId, HICON icon, std::wstring_view tip) {
  addedIcon = AddedIcon{iconId, icon, std::wstring(tip)};
  NotifyIconCall(kNotifyIconAdd, iconId, icon, tip);
}

void RemoveTrayIcon(std::uint32_t iconId) {
  if (addedIcon && addedIcon->iconId == iconId) addedIcon.reset();
  // A delete record is filled like every other; the shell looks only at the window and the id.
  NotifyIconCall(kNotifyIconDelete, iconId, reinterpret_cast<HICON>(std::uintptr_t{1}), L"");
}

void RestoreTrayIcon() {
  if (addedIcon) NotifyIconCall(kNotifyIconAdd, addedIcon->iconId, addedIcon->icon, addedIcon->tip);
}

void UseNotificationArea(NotificationArea& area) { notificationArea = &area; }

}  // namespace pbw
