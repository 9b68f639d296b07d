#include "tray/window_hook_win.h"

#include <utility>

#include "tray/notify_icon_record.h"
#include "tray/tray_icon_win.h"
#include "tray/tray_mouse.h"

namespace pbw {
namespace {

HWND hookedWindow = nullptr;
WNDPROC previousWindowProc = nullptr;
TrayClickHandler clickHandler;

// Sent to every top-level window when the shell (re)starts its task bar.
UINT TaskbarCreatedMessage() {
  static const UINT message = ::RegisterWindowMessageW(L"TaskbarCreated");
  return message;
}

}  // namespace

void InstallWindowHook(HWND window, TrayClickHandler onClick) {
  hookedWindow = window;
  clickHandler = std::move(onClick);
  // The W form keeps a Unicode window Unicode.
  previousWindowProc = reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TrayWindowProc)));
}

void RemoveWindowHook() {
  ::SetWindowLongPtrW(hookedWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previousWindowProc));
}

HWND HookedWindow() { return hookedWindow; }

LRESULT CALLBACK TrayWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != kTrayCallbackMessage) {
    if (message == TaskbarCreatedMessage()) RestoreTrayIcon();
    return ::CallWindowProcW(previousWindowProc, window, message, wParam, lParam);
  }
  // Whoever sent it, message 1024 is an icon notification and ends here.
  const auto iconId = static_cast<std::uint32_t>(wParam);
  switch (TrayMouseActionFor(static_cast<std::uint32_t>(lParam))) {
    case TrayMouseAction::kClick:
      OnTrayIconClick(iconId);
      break;
    case TrayMouseAction::kDoubleClick:
      OnTrayIconDoubleClick(iconId);
      break;
    case TrayMouseAction::kNone:
      break;
  }
  return 0;
}

void OnTrayIconClick(std::uint32_t iconId) {
  if (clickHandler) clickHandler(iconId);
}

void OnTrayIconDoubleClick(std::uint32_t /*iconId*/) {}

}  // namespace pbw
