#pragma once
// The settings in the current user's registry, under kSettingsKeyPath (application name, then
// section), one REG_SZ value per key. The key is opened and closed within each call; nothing is
// held between calls.

#include "settings/settings_store.h"

namespace pbw {

class RegistrySettingsStore : public SettingsStore {
 public:
  // Nothing when the key or value is missing or the value is not a string. A REG_EXPAND_SZ value
  // reads as typed, its variables unexpanded.
  std::optional<std::wstring> ReadValue(std::wstring_view key) const override;
  // Returns at once, without a word, when the key cannot be created or the value not set.
  void WriteValue(std::wstring_view key, std::wstring_view value) override;
  // Any type but REG_SZ.
  bool HoldsOtherType(std::wstring_view key) const override;
};

}  // namespace pbw
