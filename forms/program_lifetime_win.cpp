#include "forms/program_lifetime_win.h"

#include <algorithm>

namespace pbw {

void ProgramLifetime::FormLoaded(HWND form) { loaded_.push_back(form); }

void ProgramLifetime::FormUnloaded(HWND form) {
  const auto found = std::find(loaded_.begin(), loaded_.end(), form);
  if (found == loaded_.end()) return;
  loaded_.erase(found);
  if (loaded_.empty()) ::PostQuitMessage(0);
}

bool ProgramLifetime::HandleDialogMessage(MSG& message) {
  // By index: a handled key may unload a form, the About dialog's close button for one.
  for (std::size_t i = 0; i < loaded_.size(); ++i) {
    if (::IsDialogMessageW(loaded_[i], &message)) return true;
  }
  return false;
}

void ProgramLifetime::RunMessageLoop() {
  MSG message;
  while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (HandleDialogMessage(message)) continue;
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
}

}  // namespace pbw
