// PBW.exe: starts hidden in the notification area and lives until "&Ende", a close from outside (task
// manager, installer) or the end of the session.

#include <windows.h>

#include "mainwindow/postbox_watchman_win.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
  return pbw::RunPostboxWatchman(instance, commandLine != nullptr ? commandLine : L"");
}
