#pragma once
// The time of day as the user has Windows show it.

#include "engine/engine_ports.h"

namespace pbw {

class LocalClock final : public Clock {
 public:
  std::wstring TimeOfDayText() override;
};

}  // namespace pbw
