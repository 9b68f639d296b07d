#pragma once
// The check intervals the user can choose from, in minutes, and the drop-down list that offers them.

#include <array>
#include <cstdint>
#include <string_view>

#include "engine/engine_ports.h"
#include "settings/settings_store.h"

namespace pbw {

inline constexpr std::array<std::wstring_view, 17> IntervalChoices = {
    L"1", L"2", L"3", L"4", L"5", L"6", L"7", L"8", L"9", L"10", L"15", L"20", L"25", L"30", L"40", L"50", L"60"};

// Five minutes: chosen when nothing or something out of range is stored.
inline constexpr std::int16_t kDefaultIntervalIndex = 4;

// The index of the stored interval; the default when nothing or something out of range is stored.
std::int16_t StoredIntervalIndex(const SettingsStore& store);

// Appends every choice (the list is not emptied first) and selects the stored interval.
void FillIntervalList(IntervalListView& list, const SettingsStore& store);

}  // namespace pbw
