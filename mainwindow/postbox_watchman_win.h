#pragma once
// The whole program: one instance per session, the main window behind its tray icon (shown at once
// when the user started the program), and the message loop until the last window of the program has
// been unloaded.

#include <windows.h>

#include <string_view>

namespace pbw {

// Returns the process's exit code: 0, or 1 when the main window could not be created.
int RunPostboxWatchman(HINSTANCE instance, std::wstring_view commandLine);

}  // namespace pbw
