#pragma once
// Starts the user's mail client in a new process and forgets it.

#include "engine/engine_ports.h"

namespace pbw {

class MailClientStarter final : public ProgramStarter {
 public:
  // `fieldText` is the mail-client field as it stands; see ResolveMailClient for which program it names.
  bool StartProgram(const std::wstring& fieldText) override;
  void DefaultBeep() override;
};

}  // namespace pbw
