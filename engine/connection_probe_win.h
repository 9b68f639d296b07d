#pragma once
// Asks Windows which Internet connection is active, anew on every question, in the background: the
// answer may take long (under Wine some 20 ms, far more on a busy machine).

#include <string>

#include "engine/background_work_win.h"
#include "engine/engine_ports.h"

namespace pbw {

class InternetConnectionProbe final : public ConnectionProbe {
 public:
  InternetConnectionProbe();
  InternetConnectionProbe(const InternetConnectionProbe&) = delete;
  InternetConnectionProbe& operator=(const InternetConnectionProbe&) = delete;

  void AskConnectionName(Answer answer) override;

 private:
  void OnAnswered(const std::wstring& name) noexcept;

  Answer answer_;
  // The question under way; declared last, so it ends before answer_ goes.
  BackgroundWork<std::wstring> work_;
};

}  // namespace pbw
