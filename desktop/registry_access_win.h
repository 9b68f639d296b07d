#pragma once
// Registry values in two levels: plain value operations on any key, and the start-with-Windows
// entries of the "Run" and "RunOnce" keys. Each call opens its key, does one thing and closes
// it again; failures show only in the results of the existence test and the read.

#include <windows.h>

#include <optional>
#include <string>

namespace pbw {

struct RegistryValue {
  DWORD type = REG_NONE;
  // String types without their terminating NUL (REG_MULTI_SZ keeps its separators and one final
  // NUL); other types one character per byte.
  std::wstring text;
};

// Nothing when the key or value is missing or unreadable.
std::optional<RegistryValue> RegReadValue(HKEY hive, const std::wstring& keyPath, const std::wstring& valueName);

bool RegValueExists(HKEY hive, const std::wstring& keyPath, const std::wstring& valueName);

// The text of RegReadValue; empty when the key or value is missing or unreadable.
std::wstring RegReadString(HKEY hive, const std::wstring& keyPath, const std::wstring& valueName);

// Stores the text as REG_SZ with one terminating NUL, creating every missing key on the path: the
// program writes only plain strings.
void RegWriteValue(HKEY hive, const std::wstring& keyPath, const std::wstring& valueName, const std::wstring& data);

void RegRemoveValue(HKEY hive, const std::wstring& keyPath, const std::wstring& valueName);

HKEY RunEntryHive(bool forAllUsers);
std::wstring RunKeyPath(bool runOnce);

void SetRunEntry(const std::wstring& entryName, const std::wstring& commandLine, bool forAllUsers, bool runOnce);
void RemoveRunEntry(const std::wstring& entryName, bool forAllUsers, bool runOnce);
bool HasRunEntry(const std::wstring& entryName, bool forAllUsers, bool runOnce);

}  // namespace pbw
