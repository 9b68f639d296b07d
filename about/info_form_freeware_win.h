#pragma once
// The About dialog InfoFormFreeware: program, version, maker, and links to the maker.
// It is modeless and independent of the main window: the main window stays usable, and the program
// keeps running while the dialog is open, even after the main window has been unloaded. It has no
// task-bar button of its own.

#include <windows.h>

#include <string>

#include "common/bound_window_win.h"
#include "common/program_lifetime_win.h"
#include "common/twips.h"
#include "common/unique_handle_win.h"

namespace pbw {

// The program's one About dialog: loaded on first need, unloaded by its close button, and loaded
// afresh on the next need.
class InfoFormFreeware {
 public:
  explicit InfoFormFreeware(ProgramLifetime& lifetime) : lifetime_(lifetime) {}
  InfoFormFreeware(const InfoFormFreeware&) = delete;
  InfoFormFreeware& operator=(const InfoFormFreeware&) = delete;

  // Creates and loads the dialog when it is not open; an open dialog is only brought to the front.
  void ShowAboutDialog();

  // The dialog's keyboard handling (Tab, access keys, Enter on the focused button). The message loop
  // hands every message here first and skips translating and dispatching it when this returns true.
  bool HandleAboutDialogMessage(MSG& message);

 private:
  friend class BoundWindow<InfoFormFreeware>;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  HWND HiddenOwner();
  std::wstring FittedCaption(const wchar_t* caption, const TwipsRect& place) const;
  void CreateControls();
  void Form_Load();
  void Btn_Click(short index);
  void OnCommand(int id, int code, HWND control);

  ProgramLifetime& lifetime_;
  // An owned window has no task-bar button. The owner is a window of the program that is never
  // shown, not the main window: the dialog stays independent of it, and outlives its unload.
  UniqueWindow owner_;
  // Made by each load, freed when the dialog is unloaded.
  UniqueFont labelFont_;
  UniqueFont buttonFont_;
  HWND focus_ = nullptr;  // given back when the dialog is activated again
  BoundWindow<InfoFormFreeware> window_{*this};
};

}  // namespace pbw
