#pragma once
// The About dialog InfoFormFreeware: program, version, maker, and links to the maker.
// It is modeless and independent of the main window: the main window stays usable, and the program
// keeps running while the dialog is open, even after the main window has been unloaded. It has no
// task-bar button of its own.

#include <windows.h>

#include "common/unique_handle_win.h"
#include "forms/program_lifetime_win.h"
#include "forms/twips_form_win.h"

namespace pbw {

// The program's one About dialog: loaded on first need, unloaded by its close button, and loaded
// afresh on the next need.
class InfoFormFreeware {
 public:
  explicit InfoFormFreeware(ProgramLifetime& lifetime);
  InfoFormFreeware(const InfoFormFreeware&) = delete;
  InfoFormFreeware& operator=(const InfoFormFreeware&) = delete;

  // Creates and loads the dialog when it is not open; an open dialog is only brought to the front. It
  // takes the keyboard (Tab, access keys, Enter on the focused button) through the lifetime's loop.
  void ShowAboutDialog();

 private:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  HWND HiddenOwner();
  void Form_Load();
  void Btn_Click(short index);
  void OnCommand(int id, int code);

  // An owned window has no task-bar button. The owner is a window of the program that is never
  // shown, not the main window: the dialog stays independent of it, and outlives its unload.
  UniqueWindow owner_;
  TwipsForm window_;
};

}  // namespace pbw
