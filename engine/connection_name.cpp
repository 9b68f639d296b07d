#include "engine/connection_name.h"

#include "common/text_helpers.h"

namespace pbw {

std::wstring ConnectionNameFromProbe(bool connected, std::wstring_view buffer) {
  constexpr std::wstring_view kLan = L"LAN-";
  if (!connected || EqualIgnoringAsciiCase(buffer.substr(0, kLan.size()), kLan)) return {};
  return CutAtNul(std::wstring(buffer));
}

}  // namespace pbw
