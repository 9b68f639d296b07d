#include "engine/mail_client_starter_win.h"

#include <windows.h>

#include "common/unique_handle_win.h"
#include "engine/mail_client_command.h"

namespace pbw {
namespace {

bool NamesExistingFile(const std::wstring& path) {
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

}  // namespace

bool MailClientStarter::StartProgram(const std::wstring& fieldText) {
  try {
    // CreateProcessW may write into the command line, so it gets a buffer of its own.
    std::wstring commandLine = MailClientCommandLine(fieldText, NamesExistingFile);
    if (commandLine.empty()) return false;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION started{};
    if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &started)) {
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
