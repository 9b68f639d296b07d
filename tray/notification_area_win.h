#pragma once
// The shell's notification area, where the tray icon lives. The tray icon reaches the shell only
// through this seam, so its calls can be watched without a real task bar.

#include <cstdint>

#include "tray/notify_icon_record.h"

namespace pbw {

class NotificationArea {
 public:
  virtual ~NotificationArea() = default;
  // Hands one record to the shell; the shell's answer is not examined.
  virtual void NotifyIcon(std::uint32_t message, const NotifyIconRecord& record) = 0;
};

// The real notification area, through Shell_NotifyIconA.
NotificationArea& ShellNotificationArea();

}  // namespace pbw
