#include "tray/notification_area_win.h"

#include <windows.h>
#include <shellapi.h>

#include <cstddef>
#include <cstring>

namespace pbw {
namespace {

static_assert(offsetof(NOTIFYICONDATAA, szTip) + kNotifyIconTipSize == kNotifyIconRecordSize,
              "the 88-byte record is the layout of a 32-bit process");

class ShellArea final : public NotificationArea {
 public:
  bool NotifyIcon(std::uint32_t message, const NotifyIconRecord& record) override {
    // The current structure is larger; its first 88 bytes are the first form, which cbSize names.
    NOTIFYICONDATAA data{};
    std::memcpy(&data, record.data(), record.size());
    return ::Shell_NotifyIconA(message, &data) != FALSE;
  }
};

}  // namespace

NotificationArea& ShellNotificationArea() {
  static ShellArea area;
  return area;
}

}  // namespace pbw
