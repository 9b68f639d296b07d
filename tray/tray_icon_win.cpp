#include "tray/tray_icon_win.h"

#include <utility>

#include "common/wide_text_win.h"
#include "tray/notify_icon_record.h"

namespace pbw {
namespace {

// Sent to every top-level window when the shell (re)starts its task bar.
UINT TaskbarCreatedMessage() {
  static const UINT message = ::RegisterWindowMessageW(L"TaskbarCreated");
  return message;
}

std::uint64_t HandleValue(const void* handle) { return reinterpret_cast<std::uintptr_t>(handle); }

}  // namespace

void TrayIcon::InstallWindowHook(HWND window, TrayClickHandler onClick) {
  hookedWindow_ = window;
  clickHandler_ = std::move(onClick);
  hook_.emplace(window, *this);
}

void TrayIcon::RemoveWindowHook() {
  StopAddRetries();
  hook_.reset();
}

bool TrayIcon::NotifyIconCall(std::uint32_t message, std::uint32_t iconId, HICON icon, std::wstring_view tip) {
  const std::string ansiTip = CodePageFromWide(tip, CP_ACP);
  return area_.NotifyIcon(
      message, MakeNotifyIconRecord({HandleValue(hookedWindow_), iconId, HandleValue(icon), ansiTip}, sizeof(HWND)));
}

void TrayIcon::AddTrayIcon(std::uint32_t iconId, HICON icon, std::wstring_view tip) {
  addedIcon_ = AddedIcon{iconId, icon, std::wstring(tip)};
  OfferRememberedIcon();
}

bool TrayIcon::AddRememberedIcon() {
  return NotifyIconCall(kNotifyIconAdd, addedIcon_->iconId, addedIcon_->icon, addedIcon_->tip);
}

void TrayIcon::OfferRememberedIcon() {
  StopAddRetries();
  if (AddRememberedIcon()) return;
  // At log-on the shell refuses icons while its task bar, which already exists, is not ready; no
  // "TaskbarCreated" follows then.
  addRetriesLeft_ = kTrayAddRetries;
  ::SetTimer(hookedWindow_, kTrayAddRetryTimerId, kTrayAddRetryPeriodMs, nullptr);
}

void TrayIcon::OnAddRetryTimer() {
  if (addRetriesLeft_ == 0) return;  // queued before the timer stopped
  if (AddRememberedIcon() || addRetriesLeft_ == 1) {
    StopAddRetries();
  } else {
    --addRetriesLeft_;
  }
}

void TrayIcon::StopAddRetries() {
  if (addRetriesLeft_ == 0) return;
  addRetriesLeft_ = 0;
  ::KillTimer(hookedWindow_, kTrayAddRetryTimerId);
}

void TrayIcon::RemoveTrayIcon(std::uint32_t iconId) {
  if (addedIcon_ && addedIcon_->iconId == iconId) {
    addedIcon_.reset();
    StopAddRetries();
  }
  // A delete record is filled like every other; the shell looks only at the window and the id.
  NotifyIconCall(kNotifyIconDelete, iconId, reinterpret_cast<HICON>(std::uintptr_t{1}), L"");
}

LRESULT TrayIcon::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_TIMER && wParam == kTrayAddRetryTimerId) {
    OnAddRetryTimer();
    return 0;
  }
  if (message != kTrayCallbackMessage) {
    // A restarted shell has lost every icon.
    if (message == TaskbarCreatedMessage() && addedIcon_) OfferRememberedIcon();
    return ::DefSubclassProc(window, message, wParam, lParam);
  }
  // Whoever sent it, message 1024 is an icon notification and ends here. A double click has
  // already shown the window through its first press.
  if (TrayMouseActionFor(static_cast<std::uint32_t>(lParam)) == TrayMouseAction::kClick) {
    OnTrayIconClick(static_cast<std::uint32_t>(wParam));
  }
  return 0;
}

TrayMouseAction TrayMouseActionFor(std::uint32_t mouseMessage) {
  switch (mouseMessage) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
      return TrayMouseAction::kClick;
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
      return TrayMouseAction::kDoubleClick;
    default:
      return TrayMouseAction::kNone;
  }
}

void TrayIcon::OnTrayIconClick(std::uint32_t iconId) {
  if (clickHandler_) clickHandler_(iconId);
}

}  // namespace pbw
