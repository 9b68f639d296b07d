#include "tests/support/raw_registry_value_win.h"

#include "common/unique_handle_win.h"

namespace pbw::testing {

RawValue ReadRawValue(HKEY hive, const std::wstring& keyPath, const std::wstring& name) {
  UniqueKey key;
  if (::RegOpenKeyExW(hive, keyPath.c_str(), 0, KEY_QUERY_VALUE, key.put()) != ERROR_SUCCESS) return {};
  RawValue value;
  DWORD size = 0;
  if (::RegQueryValueExW(key.get(), name.c_str(), nullptr, &value.type, nullptr, &size) != ERROR_SUCCESS) return {};
  value.bytes.resize(size);
  if (::RegQueryValueExW(key.get(), name.c_str(), nullptr, &value.type, value.bytes.data(), &size) != ERROR_SUCCESS) {
    return {};
  }
  value.bytes.resize(size);
  value.exists = true;
  return value;
}

void WriteRawValue(HKEY hive, const std::wstring& keyPath, const std::wstring& name, const RawValue& value) {
  UniqueKey key;
  if (::RegCreateKeyExW(hive, keyPath.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, key.put(), nullptr) !=
      ERROR_SUCCESS) {
    return;
  }
  if (!value.exists) {
    ::RegDeleteValueW(key.get(), name.c_str());
    return;
  }
  ::RegSetValueExW(key.get(), name.c_str(), 0, value.type, value.bytes.data(), static_cast<DWORD>(value.bytes.size()));
}

std::vector<BYTE> BytesOf(const std::wstring& text) {
  const auto* first = reinterpret_cast<const BYTE*>(text.data());
  return std::vector<BYTE>(first, first + text.size() * sizeof(wchar_t));
}

}  // namespace pbw::testing
