// Stands in for the browser and the mail program. It notes how the shell started it, one line per
// start: the show command, a tab, the target and a line feed, appended to the record file named by
// its first argument. Then it signals the event named by its second argument; the target is the third.

#include <windows.h>

#include <string>

#include "common/unique_handle_win.h"

int wmain(int argc, wchar_t** argv) {
  if (argc != 4) return 2;
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  ::GetStartupInfoW(&startup);
  const int show = (startup.dwFlags & STARTF_USESHOWWINDOW) != 0 ? startup.wShowWindow : -1;
  const std::wstring line = std::to_wstring(show) + L"\t" + argv[3] + L"\n";

  const HANDLE file =
      ::CreateFileW(argv[1], FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 1;
  const pbw::UniqueKernelHandle record(file);
  DWORD written = 0;
  ::WriteFile(record.get(), line.data(), static_cast<DWORD>(line.size() * sizeof(wchar_t)), &written, nullptr);

  const pbw::UniqueKernelHandle started(::OpenEventW(EVENT_MODIFY_STATE, FALSE, argv[2]));
  if (started) ::SetEvent(started.get());
  return 0;
}
