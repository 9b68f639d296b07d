// PBW.exe: starts hidden in the notification area and lives until "&Ende", a close from outside (task
// manager, installer) or the end of the session.

#include <windows.h>
#include <commctrl.h>

#include "about/info_form_freeware_win.h"
#include "mainwindow/ansi_code_page_win.h"
#include "mainwindow/form1_win.h"
#include "mainwindow/random_source.h"
#include "mainwindow/registry_settings_store_win.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
  ::InitCommonControlsEx(&controls);

  pbw::RegistrySettingsStore store;
  pbw::TimeSeededRandom random;
  pbw::AnsiCodePage codePage;
  pbw::PasswordScrambler scrambler(random, codePage);
  pbw::Form1 form(instance, store, scrambler);

  MSG message;
  while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
    // Tab, Alt + access key and the arrow keys move between the controls of either window.
    if (pbw::HandleAboutDialogMessage(message)) continue;
    if (form.IsLoaded() && ::IsDialogMessageW(form.Window(), &message)) continue;
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
  return 0;
}
