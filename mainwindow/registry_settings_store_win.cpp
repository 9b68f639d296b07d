#include "mainwindow/registry_settings_store_win.h"

#include "common/unique_handle_win.h"

namespace pbw {
namespace {

// Application name "Trelvik Software", section "PostboxWatchman".
constexpr wchar_t kSettingsKeyPath[] = L"Software\\Trelvik Software\\PostboxWatchman";

}  // namespace

std::optional<std::wstring> RegistrySettingsStore::ReadValue(std::wstring_view key) const {
  UniqueKey settings;
  if (::RegOpenKeyExW(HKEY_CURRENT_USER, kSettingsKeyPath, 0, KEY_QUERY_VALUE, settings.put()) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  const std::wstring name(key);
  DWORD bytes = 0;
  LSTATUS status = ::RegGetValueW(settings.get(), nullptr, name.c_str(), RRF_RT_REG_SZ, nullptr, nullptr, &bytes);
  // The value may grow between asking for its size and reading it; then ask again.
  while (status == ERROR_SUCCESS || status == ERROR_MORE_DATA) {
    std::wstring text(bytes / sizeof(wchar_t) + 1, L'\0');
    bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    status = ::RegGetValueW(settings.get(), nullptr, name.c_str(), RRF_RT_REG_SZ, nullptr, text.data(), &bytes);
    if (status == ERROR_SUCCESS) {
      const auto end = text.find(L'\0');
      if (end != std::wstring::npos) text.resize(end);
      return text;
    }
  }
  return std::nullopt;
}

void RegistrySettingsStore::WriteValue(std::wstring_view key, std::wstring_view value) {
  UniqueKey settings;
  if (::RegCreateKeyExW(HKEY_CURRENT_USER, kSettingsKeyPath, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE,
                        nullptr, settings.put(), nullptr) != ERROR_SUCCESS) {
    return;
  }
  const std::wstring name(key);
  const std::wstring text(value);
  ::RegSetValueExW(settings.get(), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

}  // namespace pbw
