#pragma once
// A settings store in memory and Windows-1252 as the ANSI code page; free of the test framework,
// so that the fuzz targets use them too.

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "common/text_encoding.h"
#include "settings/settings_store.h"
#include "settings/single_byte_code_page.h"

namespace pbw::testing {

class MemorySettingsStore : public SettingsStore {
 public:
  std::optional<std::wstring> ReadValue(std::wstring_view key) const override {
    const auto found = values.find(key);
    if (found == values.end()) return std::nullopt;
    return found->second;
  }
  void WriteValue(std::wstring_view key, std::wstring_view value) override {
    values.insert_or_assign(std::wstring(key), std::wstring(value));
    if (const auto other = otherTypes.find(key); other != otherTypes.end()) otherTypes.erase(other);
    writtenKeys.emplace_back(key);
  }
  bool HoldsOtherType(std::wstring_view key) const override { return otherTypes.contains(key); }

  std::map<std::wstring, std::wstring, std::less<>> values;
  // Keys whose value is of another type; the ones not readable as text have no entry in `values`.
  std::set<std::wstring, std::less<>> otherTypes;
  std::vector<std::wstring> writtenKeys;
};

class Cp1252CodePage : public SingleByteCodePage {
 public:
  std::optional<std::uint8_t> ByteOf(wchar_t character) const override {
    for (unsigned byte = 0; byte < 256; ++byte) {
      if (Cp1252ToWide(static_cast<unsigned char>(byte)) == character) return static_cast<std::uint8_t>(byte);
    }
    return std::nullopt;
  }
  wchar_t CharacterOf(std::uint8_t byte) const override { return Cp1252ToWide(byte); }
};

}  // namespace pbw::testing
