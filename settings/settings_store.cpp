#include "settings/settings_store.h"

#include "common/leading_number.h"
#include "common/text_helpers.h"

namespace pbw {

std::wstring ReadSetting(const SettingsStore& store, std::wstring_view key, std::wstring_view fallback) {
  auto value = store.ReadValue(key);
  return value ? std::move(*value) : std::wstring(fallback);
}

std::optional<std::int32_t> ReadNumberSetting(const SettingsStore& store, std::wstring_view key,
                                              std::int32_t fallback) {
  const auto value = store.ReadValue(key);
  return value ? RoundHalfEven32(LeadingNumber(*value)) : fallback;
}

void WriteSetting(SettingsStore& store, std::wstring_view key, std::wstring_view value) {
  store.WriteValue(key, value);
}

void WriteSetting(SettingsStore& store, std::wstring_view key, std::int32_t value) {
  store.WriteValue(key, DecimalText(value));
}

}  // namespace pbw
