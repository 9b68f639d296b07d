#pragma once
// Asks Windows which Internet connection is active, anew on every question, on a worker thread:
// the answer may take long (under Wine some 20 ms, far more on a busy machine).

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

#include "engine/background_work_win.h"
#include "engine/engine_ports.h"
#include "engine/message_window_win.h"

namespace pbw {

class InternetConnectionProbe final : public ConnectionProbe {
 public:
  InternetConnectionProbe();
  InternetConnectionProbe(const InternetConnectionProbe&) = delete;
  InternetConnectionProbe& operator=(const InternetConnectionProbe&) = delete;

  void AskConnectionName(Answer answer) override;

 private:
  bool OnMessage(UINT message, WPARAM wParam) noexcept;

  // Outlives the question: its worker posts to this window until it is cancelled.
  MessageWindow window_;
  // The question under way, tagged with its number.
  std::optional<BackgroundWork<std::wstring>> work_;
  Answer answer_;
  std::uint32_t question_ = 0;
};

}  // namespace pbw
