#include "desktop/autostart_win.h"

#include <windows.h>

#include <optional>

#include "desktop/ordinary_file_win.h"
#include "desktop/program_location_win.h"
#include "desktop/registry_access_win.h"
#include "resources/program_identity.h"

namespace pbw {
namespace {

constexpr wchar_t kShellFoldersKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
// Where Task Manager and the Settings app keep their switch for each Run entry: a binary value of
// the entry's name whose first byte is odd when the entry is turned off.
constexpr wchar_t kStartupApprovedKey[] =
    L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run";

// The program keeps its entry for the current user and for every start, not just the next.
constexpr bool kForAllUsers = false;
constexpr bool kRunOnce = false;

}  // namespace

std::wstring WindowsAutostartSystem::StartupFolder() {
  return RegReadString(HKEY_CURRENT_USER, kShellFoldersKey, L"Startup");
}

std::wstring WindowsAutostartSystem::ExePath() { return GetExePath(); }

bool WindowsAutostartSystem::FindsOrdinaryFile(const std::wstring& path) { return pbw::FindsOrdinaryFile(path); }

bool WindowsAutostartSystem::ClearFileAttributes(const std::wstring& path) {
  return ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL) != FALSE;
}

bool WindowsAutostartSystem::RemoveFile(const std::wstring& path) { return ::DeleteFileW(path.c_str()) != FALSE; }

void WindowsAutostartSystem::ShowInformation(const std::wstring& text) {
  ::MessageBoxW(nullptr, text.c_str(), std::wstring(kProductName).c_str(), MB_OK | MB_ICONINFORMATION);
}

bool WindowsAutostartSystem::HasRunEntry(const std::wstring& entryName) {
  return pbw::HasRunEntry(entryName, kForAllUsers, kRunOnce);
}

std::wstring WindowsAutostartSystem::RunEntry(const std::wstring& entryName) {
  return RegReadString(RunEntryHive(kForAllUsers), RunKeyPath(kRunOnce), entryName);
}

void WindowsAutostartSystem::SetRunEntry(const std::wstring& entryName, const std::wstring& commandLine) {
  pbw::SetRunEntry(entryName, commandLine, kForAllUsers, kRunOnce);
}

void WindowsAutostartSystem::RemoveRunEntry(const std::wstring& entryName) {
  pbw::RemoveRunEntry(entryName, kForAllUsers, kRunOnce);
}

bool WindowsAutostartSystem::IsRunEntryDisabled(const std::wstring& entryName) {
  const std::optional<RegistryValue> mark = RegReadValue(HKEY_CURRENT_USER, kStartupApprovedKey, entryName);
  return mark && mark->type == REG_BINARY && !mark->text.empty() && (mark->text.front() & 1) != 0;
}

void WindowsAutostartSystem::ClearRunEntryMark(const std::wstring& entryName) {
  RegRemoveValue(HKEY_CURRENT_USER, kStartupApprovedKey, entryName);
}

void LoadAutostartState(AutostartCheckBox& box) {
  WindowsAutostartSystem system;
  LoadAutostartState(box, system);
}

void ApplyAutostartState(AutostartCheckBox& box) {
  WindowsAutostartSystem system;
  ApplyAutostartState(box, system);
}

}  // namespace pbw
