#pragma once
// A hidden message-only window: messages posted to it reach one handler on the thread that made it.

#include <windows.h>

#include <functional>

#include "common/bound_window_win.h"

namespace pbw {

class MessageWindow {
 public:
  // Returns true when it handled the message. It runs inside a window procedure: it must not throw.
  using Handler = std::function<bool(UINT message, WPARAM wParam, LPARAM lParam)>;

  explicit MessageWindow(Handler handler);
  MessageWindow(const MessageWindow&) = delete;
  MessageWindow& operator=(const MessageWindow&) = delete;

  // Null when the window could not be made.
  HWND get() const { return window_.get(); }

 private:
  friend class BoundWindow<MessageWindow>;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  Handler handler_;
  // Last: the messages of the window's own end must not reach a handler that is being torn down.
  BoundWindow<MessageWindow> window_{*this};
};

}  // namespace pbw
