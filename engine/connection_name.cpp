#include "engine/connection_name.h"

namespace pbw {
namespace {

wchar_t AsciiUpper(wchar_t c) { return (c >= L'a' && c <= L'z') ? static_cast<wchar_t>(c - L'a' + L'A') : c; }

bool BeginsWithLanPrefix(std::wstring_view buffer) {
  constexpr std::wstring_view kLan = L"LAN-";
  if (buffer.size() < kLan.size()) return false;
  for (std::size_t i = 0; i < kLan.size(); ++i) {
    if (AsciiUpper(buffer[i]) != kLan[i]) return false;
  }
  return true;
}

}  // namespace

std::wstring CutAtNul(std::wstring_view text) { return std::wstring(text.substr(0, text.find(L'\0'))); }

std::wstring ConnectionNameFromProbe(bool connected, std::wstring_view buffer) {
  if (!connected || BeginsWithLanPrefix(buffer)) return {};
  return CutAtNul(buffer);
}

}  // namespace pbw
