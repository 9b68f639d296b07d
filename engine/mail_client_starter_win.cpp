#include "engine/mail_client_starter_win.h"

#include <windows.h>

#include "common/unique_handle_win.h"
#include "engine/mail_client_command.h"

namespace pbw {
namespace {

std::optional<std::wstring> FullPath(const std::wstring& path) {
  const DWORD length = ::GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (length == 0) return std::nullopt;
  std::wstring full(length, L'\0');
  const DWORD written = ::GetFullPathNameW(path.c_str(), length, full.data(), nullptr);
  if (written == 0 || written >= length) return std::nullopt;
  full.resize(written);
  return full;
}

std::optional<std::wstring> ExistingFile(const std::wstring& path) {
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return std::nullopt;
  return FullPath(path);
}

bool IsFolder(const std::wstring& path) {
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::wstring SearchFolders() {
  std::wstring folders;
  for (const auto folder : {::GetSystemDirectoryW, ::GetWindowsDirectoryW}) {
    std::wstring path(MAX_PATH, L'\0');
    const UINT length = folder(path.data(), MAX_PATH);
    if (length == 0 || length >= MAX_PATH) continue;
    path.resize(length);
    folders += path + L';';
  }
  const DWORD length = ::GetEnvironmentVariableW(L"PATH", nullptr, 0);
  if (length > 0) {
    std::wstring path(length, L'\0');
    path.resize(::GetEnvironmentVariableW(L"PATH", path.data(), length));
    folders += path;
  }
  return folders;
}

}  // namespace

bool MailClientStarter::StartProgram(const std::wstring& fieldText) {
  try {
    const auto launch = ResolveMailClient(fieldText, {ExistingFile, IsFolder, SearchFolders});
    if (!launch) return false;
    // CreateProcessW may write into the command line, so it gets a buffer of its own.
    std::wstring commandLine = launch->commandLine;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION started{};
    if (!::CreateProcessW(launch->application.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &started)) {
      return false;
    }
    // Never waited for nor looked at again.
    const UniqueKernelHandle process(started.hProcess);
    const UniqueKernelHandle thread(started.hThread);
    return true;
  } catch (...) {
    return false;
  }
}

void MailClientStarter::DefaultBeep() { ::MessageBeep(MB_OK); }

}  // namespace pbw
