#pragma once
// The per-user store of the account settings: text values by key, under one application and section.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pbw {

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // The text stored under the key; nothing when there is none (or it is not a text).
  virtual std::optional<std::wstring> ReadValue(std::wstring_view key) const = 0;
  // Creates or replaces the value. A store that cannot be written drops it silently.
  virtual void WriteValue(std::wstring_view key, std::wstring_view value) = 0;
  // True when the key holds a value of another kind than the store writes: one put there by hand.
  virtual bool HoldsOtherType(std::wstring_view key) const = 0;
};

std::wstring ReadSetting(const SettingsStore& store, std::wstring_view key, std::wstring_view fallback);

// The stored text's leading number, rounded halves to even; nothing when it lies beyond 32 bits.
// `fallback` when nothing is stored under the key.
std::optional<std::int32_t> ReadNumberSetting(const SettingsStore& store, std::wstring_view key, std::int32_t fallback);

void WriteSetting(SettingsStore& store, std::wstring_view key, std::wstring_view value);
// Numbers are stored as their decimal digits, a negative one with a leading "-".
void WriteSetting(SettingsStore& store, std::wstring_view key, std::int32_t value);

}  // namespace pbw
