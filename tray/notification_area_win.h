#pragma once
// The shell's notification area, where the tray icon lives. The tray icon reaches the shell only
// through this seam, so its calls can be watched without a real task bar.

#include <cstdint>

#include "tray/notify_icon_record.h"

namespace pbw {

class NotificationArea {
 public:
  virtual ~NotificationArea() = default;
  // Hands one record to the shell; false when the shell refused it.
  virtual bool NotifyIcon(std::uint32_t message, const NotifyIconRecord& record) = 0;
};

// The real notification area, through Shell_NotifyIconA.
NotificationArea& ShellNotificationArea();

}  // namespace pbw
