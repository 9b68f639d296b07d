#pragma once
// Asks Windows which Internet connection is active, anew on every call.

#include "engine/engine_ports.h"

namespace pbw {

class InternetConnectionProbe final : public ConnectionProbe {
 public:
  std::wstring GetConnectionName() override;
};

}  // namespace pbw
