#include "engine/connection_probe_win.h"

#include <windows.h>
#include <wininet.h>

#include <string>

#include "common/wide_text_win.h"
#include "engine/connection_name.h"

namespace pbw {

std::wstring InternetConnectionProbe::GetConnectionName() {
  constexpr DWORD kBufferLength = 1111;
  std::string buffer(kBufferLength, ' ');
  const BOOL connected = ::InternetGetConnectedStateExA(nullptr, buffer.data(), kBufferLength, 0);
  return ConnectionNameFromProbe(connected != FALSE, WideFromCodePage(buffer, CP_ACP));
}

}  // namespace pbw
