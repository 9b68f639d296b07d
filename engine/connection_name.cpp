#include "engine/connection_name.h"

#include "common/text_helpers.h"

namespace pbw {

std::wstring ConnectionNameFromProbe(bool connected, std::wstring_view buffer) {
  if (!connected) return {};
  return CutAtNul(std::wstring(buffer));
}

}  // namespace pbw
