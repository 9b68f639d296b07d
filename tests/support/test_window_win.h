#pragma once
// A real, hidden Unicode window whose own procedure records what reaches it.

#include <windows.h>

#include <vector>

#include "common/unique_handle_win.h"

namespace pbw::testing {

struct ReceivedMessage {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  bool operator==(const ReceivedMessage&) const = default;
};

// The original procedure answers this message with kOwnAnswer, so forwarding shows in the result.
inline constexpr UINT kOwnMessage = WM_APP + 7;
inline constexpr LRESULT kOwnAnswer = 4711;

class TestWindow {
 public:
  TestWindow() {
    static const ATOM windowClass = [] {
      WNDCLASSW wc{};
      wc.lpfnWndProc = &OwnProcedure;
      wc.hInstance = ::GetModuleHandleW(nullptr);
      wc.lpszClassName = L"PbwTrayTestWindow";
      return ::RegisterClassW(&wc);
    }();
    window_.reset(::CreateWindowExW(0, MAKEINTATOM(windowClass), L"PostboxWatchman", WS_OVERLAPPEDWINDOW, 0, 0, 200,
                                    100, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr));
    Received().clear();
  }

  HWND get() const { return window_.get(); }

  LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return ::SendMessageW(window_.get(), message, wParam, lParam);
  }

  // Every message of the window that reached its own procedure since the window was made.
  static std::vector<ReceivedMessage>& Received() {
    static std::vector<ReceivedMessage> received;
    return received;
  }

  // The messages numbered `message` that reached the own procedure.
  static std::vector<ReceivedMessage> ReceivedOf(UINT message) {
    std::vector<ReceivedMessage> found;
    for (const auto& r : Received())
      if (r.message == message) found.push_back(r);
    return found;
  }

  static WNDPROC OwnProcedureAddress() { return &OwnProcedure; }

 private:
  static LRESULT CALLBACK OwnProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Received().push_back({message, wParam, lParam});
    if (message == kOwnMessage) return kOwnAnswer;
    return ::DefWindowProcW(window, message, wParam, lParam);
  }

  UniqueWindow window_;
};

}  // namespace pbw::testing
