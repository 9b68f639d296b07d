#include "engine/message_window_win.h"

#include <array>
#include <cstddef>
#include <memory>
#include <utility>

#include "common/bound_window_win.h"

namespace pbw {
namespace {

constexpr wchar_t kClassName[] = L"PostboxWatchmanMessageWindow";
constexpr UINT kFirstMessage = WM_APP + 0x100;
constexpr UINT kMessageCount = 0x2000;

class ProgramMessageWindow {
 public:
  ProgramMessageWindow() {
    WNDCLASSEXW windowClass{};
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kClassName;
    if (!BoundWindow<ProgramMessageWindow>::RegisterWindowClass(windowClass)) return;
    window_.Create(0, kClassName, L"", 0, RECT{}, HWND_MESSAGE, windowClass.hInstance);
  }
  ProgramMessageWindow(const ProgramMessageWindow&) = delete;
  ProgramMessageWindow& operator=(const ProgramMessageWindow&) = delete;

  HWND get() const { return window_.get(); }

  // The first free number after the one handed out last; 0 (a message nobody hears) when none is.
  UINT Take(const Mailbox::Handler& handler) {
    ++users_;
    for (UINT tried = 0; tried < kMessageCount; ++tried) {
      const UINT index = std::exchange(next_, (next_ + 1) % kMessageCount);
      if (handlers_[index] == nullptr) {
        handlers_[index] = &handler;
        return kFirstMessage + index;
      }
    }
    return 0;
  }

  // Returns true when no mailbox is left.
  bool Release(UINT message) {
    if (message >= kFirstMessage && message < kFirstMessage + kMessageCount)
      handlers_[message - kFirstMessage] = nullptr;
    return --users_ == 0;
  }

 private:
  friend class BoundWindow<ProgramMessageWindow>;

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message < kFirstMessage || message >= kFirstMessage + kMessageCount) {
      return ::DefWindowProcW(window_.get(), message, wParam, lParam);
    }
    if (const Mailbox::Handler* handler = handlers_[message - kFirstMessage]; handler != nullptr && *handler) {
      (*handler)(wParam, lParam);
    }
    return 0;
  }

  std::array<const Mailbox::Handler*, kMessageCount> handlers_{};
  UINT next_ = 0;
  std::size_t users_ = 0;
  // Last: the messages of the window's own end must not reach handlers that are being torn down.
  BoundWindow<ProgramMessageWindow> window_{*this};
};

// There while any mailbox is; touched on the window's thread only.
std::unique_ptr<ProgramMessageWindow> program;

}  // namespace

Mailbox::Mailbox(Handler handler) : handler_(std::move(handler)) {
  if (!program) program = std::make_unique<ProgramMessageWindow>();
  message_ = program->Take(handler_);
}

Mailbox::~Mailbox() {
  if (program->Release(message_)) program.reset();
}

HWND Mailbox::Window() const { return program->get(); }

void Mailbox::Renew() noexcept {
  program->Release(message_);
  message_ = program->Take(handler_);
}

void Mailbox::Post(WPARAM wParam, LPARAM lParam) const noexcept { ::PostMessageW(Window(), message_, wParam, lParam); }

}  // namespace pbw
