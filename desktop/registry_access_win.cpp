#include "desktop/registry_access_win.h"

#include <algorithm>
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
  // The terminating NUL is not part of the text.
  if (!text.empty()) text.pop_back();
  return text;
}

std::vector<BYTE> DataFromText(const std::wstring& data, DWORD valueType) {
  if (!IsStringType(valueType)) {
    std::vector<BYTE> bytes(data.size());
    std::transform(data.begin(), data.end(), bytes.begin(), [](wchar_t c) { return static_cast<BYTE>(c); });
    return bytes;
  }
  const auto* first = reinterpret_cast<const BYTE*>(data.c_str());
  // The whole text and exactly one terminating NUL.
  return std::vector<BYTE>(first, first + (data.size() + 1) * sizeof(wchar_t));
}

}  // namespace

bool RegValueExists(HKEY hive, const std::wstring& keyPath, const std::wstring& valueName) {
  UniqueKey key;
  if (::RegOpenKeyExW(hive, keyPath.c_str(), 0, KEY_QUERY_VALUE, key.put()) != ERROR_SUCCESS) return false;
  // Without a data buffer the query only reports the size, so a value of any size counts.
  return ::RegQueryValueExW(key.get(), valueName.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

std::wstring RegReadString(HKEY hive, const std::wstring& keyPath, const std::wstring& valueName) {
  UniqueKey key;
  if (::RegOpenKeyExW(hive, keyPath.c_str(), 0, KEY_QUERY_VALUE, key.put()) != ERROR_SUCCESS) return {};
  DWORD longestData = 0;
  ::RegQueryInfoKeyW(key.get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &longestData,
                     nullptr, nullptr);
  // Sized from the key's longest value, so any of its values fits.
  std::vector<BYTE> buffer(longestData + 1);
  DWORD size = static_cast<DWORD>(buffer.size());
  DWORD valueType = REG_NONE;
  if (::RegQueryValueExW(key.get(), valueName.c_str(), nullptr, &valueType, buffer.data(), &size) != ERROR_SUCCESS) {
    return {};
  }
  return TextFromData(buffer, size, valueType);
}

void RegWriteValue(HKEY hive, const std::wstring& keyPath, const std::wstring& valueName, const std::wstring& data,
                   DWORD valueType) {
  const std::vector<BYTE> bytes = DataFromText(data, valueType);
  UniqueKey key;
  if (::RegCreateKeyExW(hive, keyPath.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, key.put(), nullptr) !=
      ERROR_SUCCESS) {
    return;
  }
  ::RegSetValueExW(key.get(), valueName.c_str(), 0, valueType, bytes.data(), static_cast<DWORD>(bytes.size()));
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
  RegWriteValue(RunEntryHive(forAllUsers), RunKeyPath(runOnce), entryName, commandLine, REG_SZ);
}

void RemoveRunEntry(const std::wstring& entryName, bool forAllUsers, bool runOnce) {
  RegRemoveValue(RunEntryHive(forAllUsers), RunKeyPath(runOnce), entryName);
}

bool HasRunEntry(const std::wstring& entryName, bool forAllUsers, bool runOnce) {
  return RegValueExists(RunEntryHive(forAllUsers), RunKeyPath(runOnce), entryName);
}

}  // namespace pbw
