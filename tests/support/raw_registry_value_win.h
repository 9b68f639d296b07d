#pragma once
// Registry values as the registry itself holds them, read and written around the code under
// test, and a value put back as it was when a test ends.

#include <windows.h>

#include <string>
#include <vector>

namespace pbw::testing {

struct RawValue {
  bool exists = false;
  DWORD type = REG_NONE;
  std::vector<BYTE> bytes;

  bool operator==(const RawValue&) const = default;
};

// Without the fix-ups that RegGetValue makes to strings.
RawValue ReadRawValue(HKEY hive, const std::wstring& keyPath, const std::wstring& name);
// A value that does not exist is deleted.
void WriteRawValue(HKEY hive, const std::wstring& keyPath, const std::wstring& name, const RawValue& value);

std::vector<BYTE> BytesOf(const std::wstring& text);

class SavedRegistryValue {
 public:
  SavedRegistryValue(HKEY hive, std::wstring keyPath, std::wstring name)
      : hive_(hive),
        keyPath_(std::move(keyPath)),
        name_(std::move(name)),
        saved_(ReadRawValue(hive_, keyPath_, name_)) {}
  ~SavedRegistryValue() { WriteRawValue(hive_, keyPath_, name_, saved_); }
  SavedRegistryValue(const SavedRegistryValue&) = delete;
  SavedRegistryValue& operator=(const SavedRegistryValue&) = delete;

 private:
  HKEY hive_;
  std::wstring keyPath_;
  std::wstring name_;
  RawValue saved_;
};

}  // namespace pbw::testing
