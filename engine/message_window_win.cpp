#include "engine/message_window_win.h"

#include <utility>

namespace pbw {
namespace {

constexpr wchar_t kClassName[] = L"PostboxWatchmanMessageWindow";

}  // namespace

MessageWindow::MessageWindow(Handler handler) : handler_(std::move(handler)) {
  WNDCLASSEXW windowClass{};
  windowClass.hInstance = ::GetModuleHandleW(nullptr);
  windowClass.lpszClassName = kClassName;
  if (!BoundWindow<MessageWindow>::RegisterWindowClass(windowClass)) return;
  window_.Create(0, kClassName, L"", 0, RECT{}, HWND_MESSAGE, windowClass.hInstance);
}

LRESULT MessageWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (handler_ && handler_(message, wParam, lParam)) return 0;
  return ::DefWindowProcW(window_.get(), message, wParam, lParam);
}

}  // namespace pbw
