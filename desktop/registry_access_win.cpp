#include "desktop/registry_access_win.h"

#include <cstring>
#include <vector>

#include "common/unique_handle_win.h"

namespace pbw {
namespace {

bool IsStringType(DWORD valueType) {
  return valueType == REG_SZ || valueType == REG_EXPAND_SZ || valueType == REG_MULTI_SZ;
}

std::wstring TextFromData(const std::vector<BYTE>& buffer, DWORD size, DWORD valueType) {
  if (!IsStringType(valueType)) return std::wstring(buffer.data(), buffer.data() + size);
  std::wstring text(size / sizeof(wchar_t), L'\0');
  std::memcpy(text.data(), buffer.data(), text.size() * sizeof(wchar_t));
  // The terminating NUL is not part of the text; a string stored without one keeps its last character.
  if (!text.empty() && text.back() == L'\0') text.pop_back();
  return text;
}

}  // namespace

bool RegValueExists(HKEY hive, const std::wstring& keyPath, const std::wstring& valueName) {
  UniqueKey key;
  if (::RegOpenKeyExW(hive, keyPath.c_str(), 0, KEY_QUERY_VALUE, key.put()) != ERROR_SUCCESS) return false;
  // Without a data buffer the query only reports the size, so a value of any size counts.
  return ::RegQueryValueExW(key.get(), valueName.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

std::optional<RegistryValue> RegReadValue(HKEY hive, const std::wstring& keyPath, const std::wstring& valueName) {
  UniqueKey key;
  if (::RegOpenKeyExW(hive, keyPath.c_str(), 0, KEY_QUERY_VALUE, key.put()) != ERROR_SUCCESS) return std::nullopt;
  DWORD size = 0;
  LSTATUS status = ::RegQueryValueExW(key.get(), valueName.c_str(), nullptr, nullptr, nullptr, &size);
  // The value may grow between asking for its size and reading it; then ask again.
  while (status == ERROR_SUCCESS || status == ERROR_MORE_DATA) {
    std::vector<BYTE> buffer(size + sizeof(wchar_t));
    size = static_cast<DWORD>(buffer.size());
    DWORD valueType = REG_NONE;
    status = ::RegQueryValueExW(key.get(), valueName.c_str(), nullptr, &valueType, buffer.data(), &size);
    if (status == ERROR_SUCCESS) return RegistryValue{valueType, TextFromData(buffer, size, valueType)};
  }
  return std::nullopt;
}

std::wstring RegReadString(HKEY hive, const std::wstring& keyPath, const std::wstring& valueName) {
  const std::optional<RegistryValue> value = RegReadValue(hive, keyPath, valueName);
  return value ? value->text : std::wstring();
}

void RegWriteValue(HKEY hive, const std::wstring& keyPath, const std::wstring& valueName, const std::wstring& data) {
  UniqueKey key;
  if (::RegCreateKeyExW(hive, keyPath.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, key.put(), nullptr) !=
      ERROR_SUCCESS) {
    return;
  }
  // The whole text and exactly one terminating NUL.
  ::RegSetValueExW(key.get(), valueName.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                   static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
}

void RegRemoveValue(HKEY hive, const std::wstring& keyPath, const std::wstring& valueName) {
  UniqueKey key;
  if (::RegOpenKeyExW(hive, keyPath.c_str(), 0, KEY_ALL_ACCESS, key.put()) != ERROR_SUCCESS) return;
  ::RegDeleteValueW(key.get(), valueName.c_str());
}

HKEY RunEntryHive(bool forAllUsers) { return forAllUsers ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER; }

std::wstring RunKeyPath(bool runOnce) {
  return std::wstring(L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\") + (runOnce ? L"RunOnce" : L"Run");
}

void SetRunEntry(const std::wstring& entryName, const std::wstring& commandLine, bool forAllUsers, bool runOnce) {
  RegWriteValue(RunEntryHive(forAllUsers), RunKeyPath(runOnce), entryName, commandLine);
}

void RemoveRunEntry(const std::wstring& entryName, bool forAllUsers, bool runOnce) {
  RegRemoveValue(RunEntryHive(forAllUsers), RunKeyPath(runOnce), entryName);
}

bool HasRunEntry(const std::wstring& entryName, bool forAllUsers, bool runOnce) {
  return RegValueExists(RunEntryHive(forAllUsers), RunKeyPath(runOnce), entryName);
}

}  // namespace pbw
