#include "engine/connection_probe_win.h"

#include <wininet.h>

#include <string>
#include <utility>

#include "common/wide_text_win.h"
#include "engine/connection_name.h"

namespace pbw {
namespace {

constexpr UINT kAnsweredMessage = WM_APP + 1;

// The name as the system tells it now, waiting for it.
std::wstring ActiveConnectionName() {
  constexpr DWORD kBufferLength = 1111;
  std::string buffer(kBufferLength, ' ');
  const BOOL connected = ::InternetGetConnectedStateExA(nullptr, buffer.data(), kBufferLength, 0);
  return ConnectionNameFromProbe(connected != FALSE, WideFromCodePage(buffer, CP_ACP));
}

}  // namespace

InternetConnectionProbe::InternetConnectionProbe()
    : window_([this](UINT message, WPARAM wParam, LPARAM /*lParam*/) { return OnMessage(message, wParam); }) {}

void InternetConnectionProbe::AskConnectionName(Answer answer) {
  ++question_;  // an answer still on its way is stale from now on
  work_.reset();
  answer_ = std::move(answer);
  if (window_.get()) {
    try {
      work_.emplace(&ActiveConnectionName, window_.get(), kAnsweredMessage, question_);
      return;
    } catch (...) {
      // No worker thread to be had: asked here, at the price of the wait.
    }
  }
  std::exchange(answer_, {})(ActiveConnectionName());
}

bool InternetConnectionProbe::OnMessage(UINT message, WPARAM wParam) noexcept {
  if (message != kAnsweredMessage) return false;
  if (static_cast<std::uint32_t>(wParam) != question_ || !work_) return true;
  try {
    const std::wstring name = work_->Take().value_or(std::wstring());
    work_.reset();
    // The answer may ask again.
    std::exchange(answer_, {})(name);
  } catch (...) {
    // Out of memory: the question stays unanswered, as if the system had never told.
  }
  return true;
}

}  // namespace pbw
