#include "tray/notification_area_win.h"

#include <windows.h>
#include <shellapi.h>

#include <cstddef>
#include <cstring>

namespace pbw {
namespace {

// The record is laid out for this process's handles as the Windows headers lay out the first form.
constexpr NotifyIconLayout kLayout = NotifyIconLayoutFor(sizeof(HWND));
static_assert(kLayout.window == offsetof(NOTIFYICONDATAA, hWnd) && kLayout.iconId == offsetof(NOTIFYICONDATAA, uID) &&
              kLayout.flags == offsetof(NOTIFYICONDATAA, uFlags) &&
              kLayout.callbackMessage == offsetof(NOTIFYICONDATAA, uCallbackMessage) &&
              kLayout.icon == offsetof(NOTIFYICONDATAA, hIcon) && kLayout.tip == offsetof(NOTIFYICONDATAA, szTip) &&
              kLayout.size == NOTIFYICONDATAA_V1_SIZE);

class ShellArea final : public NotificationArea {
 public:
  bool NotifyIcon(std::uint32_t message, const NotifyIconRecord& record) override {
    // The current structure is larger; its first 88 bytes are the first form, which cbSize names.
    NOTIFYICONDATAA data{};
    std::memcpy(&data, record.data(), record.size());
    return ::Shell_NotifyIconA(message, &data) != FALSE;
  }
};

// Made before the program runs, with nothing to set up: no guard of a thread-safe first use, which
// would draw a thread library into the program.
constinit ShellArea shellArea;

}  // namespace

NotificationArea& ShellNotificationArea() { return shellArea; }

}  // namespace pbw
