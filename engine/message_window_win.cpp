#include "engine/message_window_win.h"

namespace pbw {
namespace {

constexpr wchar_t kClassName[] = L"PostboxWatchmanMessageWindow";

}  // namespace

const wchar_t* MessageWindow::RegisteredClass() {
  static const bool registered = [] {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &MessageWindow::Procedure;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kClassName;
    return ::RegisterClassExW(&windowClass) != 0;
  }();
  return registered ? kClassName : nullptr;
}

MessageWindow::MessageWindow(Handler handler) : handler_(std::move(handler)) {
  const wchar_t* windowClass = RegisteredClass();
  if (!windowClass) return;
  window_.reset(::CreateWindowExW(0, windowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  ::GetModuleHandleW(nullptr), nullptr));
  // Bound only now: the messages of its creation need no handler.
  if (window_) ::SetWindowLongPtrW(window_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

MessageWindow::~MessageWindow() {
  // Messages of the window's own end must not reach an object that is being torn down.
  if (window_) ::SetWindowLongPtrW(window_.get(), GWLP_USERDATA, 0);
}

LRESULT CALLBACK MessageWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto* self = reinterpret_cast<const MessageWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self && self->handler_ && self->handler_(message, wParam, lParam)) return 0;
  return ::DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace pbw
