#include "settings/interval_choices.h"

#include "settings/settings_keys.h"

namespace pbw {

std::int16_t StoredIntervalIndex(const SettingsStore& store) {
  constexpr std::int32_t kLastIndex = static_cast<std::int32_t>(IntervalChoices.size()) - 1;
  const auto stored = ReadNumberSetting(store, settings_key::kInterval, kDefaultIntervalIndex);
  const bool inRange = stored && *stored >= 0 && *stored <= kLastIndex;
  return inRange ? static_cast<std::int16_t>(*stored) : kDefaultIntervalIndex;
}

void FillIntervalList(IntervalListView& list, const SettingsStore& store) {
  for (const auto entry : IntervalChoices) list.AppendEntry(entry);
  list.SelectIndex(StoredIntervalIndex(store));
}

}  // namespace pbw
