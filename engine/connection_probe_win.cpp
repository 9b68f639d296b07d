#include "engine/connection_probe_win.h"

#include <windows.h>
#include <wininet.h>

#include <string>
#include <utility>

#include "common/wide_text_win.h"
#include "engine/connection_name.h"

namespace pbw {
namespace {

// The name as the system tells it now, waiting for it.
std::wstring ActiveConnectionName() {
  constexpr DWORD kBufferLength = 1111;
  std::string buffer(kBufferLength, ' ');
  const BOOL connected = ::InternetGetConnectedStateExA(nullptr, buffer.data(), kBufferLength, 0);
  return ConnectionNameFromProbe(connected != FALSE, WideFromCodePage(buffer, CP_ACP));
}

}  // namespace

InternetConnectionProbe::InternetConnectionProbe() : work_([this](const std::wstring& name) { OnAnswered(name); }) {}

void InternetConnectionProbe::AskConnectionName(Answer answer) {
  // A newer question: the answer to the older one, still on its way, is dropped.
  answer_ = std::move(answer);
  try {
    if (work_.Start(&ActiveConnectionName)) return;
  } catch (...) {
    // Out of memory: asked here, as below.
  }
  // No background work to be had: asked here, at the price of the wait.
  std::exchange(answer_, {})(ActiveConnectionName());
}

void InternetConnectionProbe::OnAnswered(const std::wstring& name) noexcept {
  try {
    // The answer may ask again.
    std::exchange(answer_, {})(name);
  } catch (...) {
    // Out of memory: the question stays unanswered, as if the system had never told.
  }
}

}  // namespace pbw
