#pragma once
// The program's icon in the notification area. Every record names the window that carries the
// window hook, so the icon's mouse notifications reach the hook as message 1024.

#include <windows.h>

#include <cstdint>
#include <string_view>

#include "tray/notification_area_win.h"

namespace pbw {

// Builds the record (tip in the ANSI code page) and hands it to the notification area.
void NotifyIconCall(std::uint32_t message, std::uint32_t iconId, HICON icon, std::wstring_view tip);

// Adds the icon and remembers it, so that it can be added again after the shell restarts.
void AddTrayIcon(std::uint32_t iconId, HICON icon, std::wstring_view tip);
// Deletes the icon and forgets it. Harmless when the icon does not exist.
void RemoveTrayIcon(std::uint32_t iconId);
// Adds the remembered icon again, if any: a restarted shell has lost every icon.
void RestoreTrayIcon();

// The notification area that the tray icon talks to; the shell's unless another is chosen.
void UseNotificationArea(NotificationArea& area);

}  // namespace pbw
