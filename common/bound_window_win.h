#pragma once
// A window of one of the program's own classes, bound to the object it belongs to. The binding rides
// in as the creation parameter and is kept in the window's user data from WM_NCCREATE to
// WM_NCDESTROY; every message in between reaches the owner's
// `LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)`, which answers what it leaves
// alone with DefWindowProcW.

#include <windows.h>

#include <utility>

namespace pbw {

template <class Owner>
class BoundWindow {
 public:
  explicit BoundWindow(Owner& owner) : owner_(owner) {}
  BoundWindow(const BoundWindow&) = delete;
  BoundWindow& operator=(const BoundWindow&) = delete;
  // Declared among the owner's members where the window should end: the members declared after it
  // are gone by then, so the messages of that end no longer reach the owner.
  ~BoundWindow() { Destroy(); }

  // Registers a class whose windows bind this way; a class registered before serves as well.
  static bool RegisterWindowClass(WNDCLASSEXW windowClass) {
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &Procedure;
    return ::RegisterClassExW(&windowClass) != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
  }

  // False when the window could not be made; the owner has then seen the messages of the attempt.
  bool Create(DWORD exStyle, const wchar_t* className, const wchar_t* caption, DWORD style, const RECT& place,
              HWND parent, HINSTANCE instance) {
    return ::CreateWindowExW(exStyle, className, caption, style, place.left, place.top, place.right - place.left,
                             place.bottom - place.top, parent, nullptr, instance, this) != nullptr;
  }

  // Ends the window without telling the owner.
  void Destroy() {
    if (window_ == nullptr) return;
    const HWND window = std::exchange(window_, nullptr);
    ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    ::DestroyWindow(window);
  }

  // Null before the window is made and once it has ended, however it ended.
  HWND get() const { return window_; }
  explicit operator bool() const { return window_ != nullptr; }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
      auto* created = static_cast<BoundWindow*>(reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
      created->window_ = window;
      ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
    }
    // A few messages come before WM_NCCREATE, and none after an unbinding.
    auto* bound = reinterpret_cast<BoundWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (bound == nullptr) return ::DefWindowProcW(window, message, wParam, lParam);
    const LRESULT result = bound->owner_.HandleMessage(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
      ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      bound->window_ = nullptr;
    }
    return result;
  }

  Owner& owner_;
  HWND window_ = nullptr;
};

}  // namespace pbw
