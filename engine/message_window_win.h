#pragma once
// The program's one hidden message-only window, on the thread that needs it first: the program's
// user-interface thread. Whatever arrives there later (the result of background work, a socket's
// notifications) arrives through it, addressed to a mailbox: a message number of the window's own.

#include <windows.h>

#include <functional>

namespace pbw {

// An address on the program's message window: what is posted to its message reaches its handler on
// the window's thread, until the mailbox is renewed or destroyed. A number given up is handed out
// again only after all the others, so a message still queued for it is dropped; only thousands of
// renewals later could one reach another mailbox, so a handler checks that a message is its own
// (the socket its handle; background work finds no result of its own).
class Mailbox {
 public:
  // It runs inside a window procedure: it must not throw.
  using Handler = std::function<void(WPARAM wParam, LPARAM lParam)>;

  explicit Mailbox(Handler handler);
  ~Mailbox();
  Mailbox(const Mailbox&) = delete;
  Mailbox& operator=(const Mailbox&) = delete;

  // Null when the window could not be made.
  HWND Window() const;
  UINT Message() const { return message_; }
  // A new message number: nothing posted to the old one reaches the handler any more.
  void Renew() noexcept;
  void Post(WPARAM wParam, LPARAM lParam) const noexcept;

 private:
  const Handler handler_;
  UINT message_ = 0;
};

}  // namespace pbw
