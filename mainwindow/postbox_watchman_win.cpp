#include "mainwindow/postbox_watchman_win.h"

#include <commctrl.h>

#include "about/info_form_freeware_win.h"
#include "common/unique_handle_win.h"
#include "desktop/autostart.h"
#include "mainwindow/command_line.h"
#include "mainwindow/form1_win.h"
#include "mainwindow/single_instance_win.h"
#include "resources/program_identity.h"
#include "settings/ansi_code_page_win.h"
#include "settings/random_source.h"
#include "settings/registry_settings_store_win.h"

namespace pbw {

int RunPostboxWatchman(HINSTANCE instance, std::wstring_view commandLine) {
  // The shell runs documents, web and mail links through COM on the calling thread (a mail app
  // from the store answers only so); for the whole run, beyond every window.
  const ComApartment com;
  // The Run entry at log-on starts quietly; a user who starts the program wants to see it.
  const bool byUser = !HasOption(commandLine, kAutostartOption);
  SingleInstance single;
  if (!single.Held()) {
    // Another instance runs: shown to the user, unless it ends its main window meanwhile.
    if (!byUser || !single.ShowRunningInstanceOrTakeOver()) return 0;
  }

  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
  ::InitCommonControlsEx(&controls);

  RegistrySettingsStore store;
  SystemSeededRandom random;
  AnsiCodePage codePage;
  PasswordScrambler scrambler(random, codePage);
  // Before the main window, which opens it, and after it: the dialog may stay open after its unload.
  ProgramLifetime lifetime;
  InfoFormFreeware about(lifetime);
  Form1 form(instance, store, scrambler, about, lifetime, single);
  if (!form.IsLoaded()) {
    // Without its window the program could neither show an icon nor ever be ended.
    const std::wstring name(kProductName);
    ::MessageBoxW(nullptr, (name + L" konnte nicht gestartet werden.").c_str(), name.c_str(), MB_OK | MB_ICONERROR);
    return 1;
  }
  // A new icon sits behind the notification area's overflow arrow, where a user who has just
  // installed the program would not find it: a start by hand shows the window.
  if (byUser) form.Show();

  lifetime.RunMessageLoop();
  return 0;
}

}  // namespace pbw
