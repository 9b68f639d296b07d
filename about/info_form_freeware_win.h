#pragma once
// The About dialog InfoFormFreeware: program, version, maker, and links to the maker.
// It is modeless and independent of the main window: the main window stays usable, and the program
// keeps running while the dialog is open, even after the main window has been unloaded. It has no
// task-bar button of its own.

#include <windows.h>

namespace pbw {

// Creates and loads the one dialog on first need; an open dialog is only brought to the front.
void ShowAboutDialog();

// The dialog's keyboard handling (Tab, access keys, Enter on the focused button). The message loop
// hands every message here first and skips translating and dispatching it when this returns true.
bool HandleAboutDialogMessage(MSG& message);

}  // namespace pbw
