#pragma once
// Sets one registry string for as long as it lives, then leaves the registry as it found it: the
// value put back, and every key that had to be made for it removed again.

#include <windows.h>

#include <optional>
#include <string>

#include "tests/support/raw_registry_value_win.h"

namespace pbw::testing {

class RegistryOverride {
 public:
  RegistryOverride(HKEY root, const std::wstring& keyPath, const std::wstring& valueName, const std::wstring& data);
  ~RegistryOverride();
  RegistryOverride(const RegistryOverride&) = delete;
  RegistryOverride& operator=(const RegistryOverride&) = delete;

 private:
  HKEY root_;
  std::optional<std::wstring> createdKey_;  // the outermost key that did not exist before
  std::optional<SavedRegistryValue> saved_;
};

}  // namespace pbw::testing
