// PBW.exe: lives in the notification area until "&Ende", a close from outside (task manager,
// installer) or the end of the session. Started by the user it shows its window; at log-on
// (/AUTOSTART) only its icon.

#include <windows.h>

#include "mainwindow/postbox_watchman_win.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
  return pbw::RunPostboxWatchman(instance, commandLine != nullptr ? commandLine : L"");
}
