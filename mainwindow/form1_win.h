#pragma once
// The main window: the account fields, the buttons, the status bar and every component the check
// engine uses. It lives behind the tray icon for the whole run of the program.

#include <windows.h>

#include <cstdint>
#include <memory>

#include "about/info_form_freeware_win.h"
#include "common/unique_handle_win.h"
#include "engine/check_schedule.h"
#include "engine/connection_probe_win.h"
#include "engine/local_clock_win.h"
#include "engine/mail_client_starter_win.h"
#include "engine/pop3_check.h"
#include "engine/pop3_sock_win.h"
#include "forms/program_lifetime_win.h"
#include "forms/twips_form_win.h"
#include "mainwindow/autostart_check_box_win.h"
#include "mainwindow/engine_views_win.h"
#include "mainwindow/form1_controls_win.h"
#include "mainwindow/single_instance_win.h"
#include "mainwindow/window_timer_win.h"
#include "settings/password_scrambler.h"
#include "settings/settings_store.h"
#include "tray/tray_icon_win.h"

namespace pbw {

class Form1 {
 public:
  // Who asks for the window to be unloaded.
  enum class UnloadMode : std::int16_t { UserClose = 0, Program = 1, WindowsSession = 2, TaskManager = 3 };

  // Creates the window and runs its load: settings into the fields, tray icon, then hidden. When the
  // window cannot be created, nothing else happens and IsLoaded() is false. The About dialog outlives
  // the window's unload; the claim to be the one instance does not.
  Form1(HINSTANCE instance, SettingsStore& store, PasswordScrambler& scrambler, InfoFormFreeware& about,
        ProgramLifetime& lifetime, SingleInstance& singleInstance);
  Form1(const Form1&) = delete;
  Form1& operator=(const Form1&) = delete;
  ~Form1();

  // The main window of this user's program in the session, of this or another process, once its
  // load has ended; null when there is none.
  static HWND FindLoaded();

  bool IsLoaded() const { return static_cast<bool>(window_); }
  // As a press on the tray icon does.
  void Show() { ShowForm(); }

 private:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  void OnCommand(int controlId, int notification);
  void OnTimer(UINT_PTR timerId);
  void OnCloseCommand();
  void OnCloseFromOutside();
  void OnEndSession(bool ending);

  void Form_Load();
  void Form_QueryUnload(bool& cancel, UnloadMode unloadMode);
  void Form_Unload();
  void Unload(UnloadMode unloadMode);

  void Btn_Click(std::int16_t index);
  void AutoStartCHK_Click();
  void Image1_Click();
  void Image2_Click();
  void Image3_Click();
  void GetMailClientNameDialog();

  void ShowForm();
  void HideForm();

  SettingsStore& store_;
  PasswordScrambler& scrambler_;
  InfoFormFreeware& about_;
  SingleInstance& singleInstance_;
  UniqueIcon icon_;
  UniqueIcon smallIcon_;  // the caption's and the tray icon's
  // Before the window: the hook still sees the messages of the window's destruction.
  TrayIcon tray_;
  TwipsForm window_;
  std::unique_ptr<Form1Controls> controls_;
  std::unique_ptr<AutostartCheckBoxControl> autostartBox_;

  // The engine's components; they exist once the window does.
  struct Components;
  std::unique_ptr<Components> components_;
};

}  // namespace pbw
