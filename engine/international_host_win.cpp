#include "engine/international_host_win.h"

#include <windows.h>

#include <algorithm>

namespace pbw {

std::wstring AsciiHostName(const std::wstring& host) {
  if (std::all_of(host.begin(), host.end(), [](wchar_t c) { return c < 0x80; })) return host;
  const int length = ::IdnToAscii(0, host.c_str(), static_cast<int>(host.size()), nullptr, 0);
  if (length <= 0) return host;
  std::wstring ascii(static_cast<std::size_t>(length), L'\0');
  if (::IdnToAscii(0, host.c_str(), static_cast<int>(host.size()), ascii.data(), length) != length) return host;
  return ascii;
}

}  // namespace pbw
