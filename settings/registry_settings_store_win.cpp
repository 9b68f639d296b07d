#include "settings/registry_settings_store_win.h"

#include "common/text_helpers.h"
#include "desktop/registry_access_win.h"
#include "resources/program_identity.h"

namespace pbw {
namespace {

std::optional<RegistryValue> ReadStoredValue(std::wstring_view key) {
  return RegReadValue(HKEY_CURRENT_USER, kSettingsKeyPath, std::wstring(key));
}

}  // namespace

std::optional<std::wstring> RegistrySettingsStore::ReadValue(std::wstring_view key) const {
  const std::optional<RegistryValue> value = ReadStoredValue(key);
  if (!value || (value->type != REG_SZ && value->type != REG_EXPAND_SZ)) return std::nullopt;
  return CutAtNul(value->text);
}

void RegistrySettingsStore::WriteValue(std::wstring_view key, std::wstring_view value) {
  RegWriteValue(HKEY_CURRENT_USER, kSettingsKeyPath, std::wstring(key), std::wstring(value));
}

bool RegistrySettingsStore::HoldsOtherType(std::wstring_view key) const {
  const std::optional<RegistryValue> value = ReadStoredValue(key);
  return value && value->type != REG_SZ;
}

}  // namespace pbw
