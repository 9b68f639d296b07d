// Shows PBW.exe at work without a mail account of the user's: starts it, opens its window as a
// click on the tray icon would, types in a local demo server and presses "&Test".
//
//   pbw_demo_driver <PBW.exe> <server> <mailbox> <password> <status-file> <done-file> [--about]
//
// Writes the final status line to <status-file> (UTF-8), then waits until <done-file> exists
// (the caller takes its screenshot meanwhile) and ends the program with "&Ende". With --about
// the About dialog is opened after the check and closed at the end.

#include <windows.h>

#include <cstdio>
#include <string>

#include "about/info_form_layout.h"
#include "common/text_encoding.h"
#include "tests/support/pbw_remote_win.h"
#include "tests/support/shown_status.h"

namespace {

using pbw::ControlId;

bool FileExists(const std::wstring& path) { return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool WriteUtf8File(const std::wstring& path, const std::wstring& text) {
  FILE* file = _wfopen(path.c_str(), L"wb");
  if (!file) return false;
  const std::string bytes = pbw::ToUtf8(text);
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return std::fclose(file) == 0 && written;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const bool about = argc == 8 && std::wstring(argv[7]) == L"--about";
  if (argc != 7 && !about) {
    static_cast<void>(
        std::fputs("usage: pbw_demo_driver <PBW.exe> <server> <mailbox> <password> <status-file> "
                   "<done-file> [--about]\n",
                   stderr));
    return 2;
  }
  pbw::testing::RunningPbw pbw(argv[1]);
  if (!pbw.Started()) return 1;

  pbw.TrayNotification(WM_LBUTTONDOWN);
  pbw.SetText(ControlId::ServerNameTB, argv[2]);
  pbw.SetText(ControlId::PostfachNameTB, argv[3]);
  pbw.SetText(ControlId::PasswortTB, argv[4]);
  pbw.Press(ControlId::Btn2);
  // The session has ended once the status line leaves the texts of its start.
  pbw::testing::PumpMessagesUntil(
      [&] {
        const std::wstring status = pbw.StatusLine();
        return !status.empty() && status != pbw::testing::Shown(pbw::status_text::kLoggingIn) &&
               status != pbw::testing::Shown(pbw::status_text::kOpening);
      },
      std::chrono::minutes(2));
  HWND aboutDialog = nullptr;
  if (about) {
    pbw.Press(ControlId::Btn20);
    aboutDialog = pbw.WaitForWindowOfProgram(L"Info über PostboxWatchman");
  }
  // Out of the way of the screenshot: a pointer resting on a banner would show its tooltip.
  ::SetCursorPos(0, 0);
  // A status file that could not be written fails the demonstration instead of leaving it empty.
  const bool statusWritten = WriteUtf8File(argv[5], pbw.StatusLine());

  pbw::testing::PumpMessagesUntil([&] { return FileExists(argv[6]); }, std::chrono::minutes(2));
  pbw.Press(ControlId::Btn22);
  if (aboutDialog)
    ::PostMessageW(::GetDlgItem(aboutDialog, pbw::info_form::ButtonId(pbw::info_form::kCloseWindow)), BM_CLICK, 0, 0);
  return pbw.WaitForExit() && statusWritten ? 0 : 1;
}
