#include "mainwindow/form1_win.h"

#include <commctrl.h>

#include "common/wide_text_win.h"
#include "desktop/autostart_win.h"
#include "desktop/startup_banner_win.h"
#include "helplinks/online_help_win.h"
#include "helplinks/shell_launcher_win.h"
#include "mainwindow/account_field_controls.h"
#include "mainwindow/mail_client_dialog_win.h"
#include "mainwindow/this_users_program_win.h"
#include "resources/picture_loading_win.h"
#include "resources/program_identity.h"
#include "resources/resource_ids.h"
#include "settings/interval_choices.h"
#include "settings/mailbox_settings.h"

namespace pbw {
namespace {

// The tray icon's tip shows the same text.
constexpr std::wstring_view kCaption = kProductName;
constexpr UINT_PTR kTickTimerId = 1;
constexpr UINT_PTR kCheckPop3TimerId = 2;
constexpr std::uint32_t kTrayIconId = 0;

// No WS_CLIPCHILDREN: the frames are siblings of the controls they surround, and the window paints
// the background inside them.
constexpr FormFrame kFrame{kMainWindowClass, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME,
                           kForm1ClientWidthTwips, kForm1ClientHeightTwips};

// The outer size that gives the layout's client area, centred on the work area.
RECT InitialPlacement() {
  RECT frame = OuterRect(kFrame);
  RECT work{};
  ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  ::OffsetRect(&frame, work.left + (work.right - work.left - frame.right) / 2,
               work.top + (work.bottom - work.top - frame.bottom) / 2);
  return frame;
}

}  // namespace

struct Form1::Components {
  Components(HWND window, const Form1Controls& c)
      : pop3Sock([this](std::int32_t bytes) { check.Pop3Sock_DataArrival(bytes); },
                 [this](const TlsReport& report) { check.Pop3Sock_TlsReport(report); }),
        tick(window, kTickTimerId, 1000),
        checkPop3Timer(window, kCheckPop3TimerId, 60000),
        statusPanel(c[ControlId::Sbar]),
        trace(c[ControlId::T]),
        output(statusPanel, trace),
        fields(c),
        intervals(c[ControlId::IntervalList]),
        check({pop3Sock, tick, output, fields, checkProbe, clock, starter}),
        schedule(
            intervals, scheduleProbe, [this] { check.StartPop3Check(); }, [this] { return check.SessionsBegun(); }) {
    checkPop3Timer.SetEnabled(true);
  }

  Pop3Sock pop3Sock;
  WindowTimer tick;
  WindowTimer checkPop3Timer;
  StatusBarPanel statusPanel;
  TraceEdit trace;
  StatusAndTrace output;
  AccountFieldEdits fields;
  IntervalComboBox intervals;
  // One each: a question cancels its own asker's earlier one, never the other's.
  InternetConnectionProbe checkProbe;
  InternetConnectionProbe scheduleProbe;
  LocalClock clock;
  MailClientStarter starter;
  Pop3Check check;
  CheckSchedule schedule;
};

Form1::Form1(HINSTANCE instance, SettingsStore& store, PasswordScrambler& scrambler, InfoFormFreeware& about,
             ProgramLifetime& lifetime, SingleInstance& singleInstance)
    : store_(store),
      scrambler_(scrambler),
      about_(about),
      singleInstance_(singleInstance),
      // Each at the system's size for the scale of the screen, drawn for that size, not shrunk or
      // stretched by the shell.
      icon_(LoadIconResource(instance, IDI_PBW, ::GetSystemMetrics(SM_CXICON))),
      smallIcon_(LoadIconResource(instance, IDI_PBW, ::GetSystemMetrics(SM_CXSMICON))),
      window_(lifetime, FocusMemory::Fields,
              [this](UINT message, WPARAM wParam, LPARAM lParam) { return HandleMessage(message, wParam, lParam); }) {
  // Without the window the caller sees that it is not loaded.
  if (!window_.Create(kFrame, icon_.get(), smallIcon_.get(), InitialPlacement(), nullptr, instance, Form1Layout()))
    return;
  controls_ = std::make_unique<Form1Controls>(window_.get());
  ShowForm1Pictures(*controls_, instance);
  autostartBox_ = std::make_unique<AutostartCheckBoxControl>((*controls_)[ControlId::AutoStartCHK],
                                                             [this] { AutoStartCHK_Click(); });
  components_ = std::make_unique<Components>(window_.get(), *controls_);
  Form_Load();
}

HWND Form1::FindLoaded() {
  // A window of this class and caption may belong to any program on the desktop.
  const std::wstring caption(kCaption);
  for (HWND window = ::FindWindowExW(nullptr, nullptr, kMainWindowClass, caption.c_str()); window != nullptr;
       window = ::FindWindowExW(nullptr, window, kMainWindowClass, caption.c_str())) {
    DWORD processId = 0;
    ::GetWindowThreadProcessId(window, &processId);
    if (RunsThisUsersProgram(processId)) return window;
  }
  return nullptr;
}

// Members end in reverse order: the components (timers, socket window) before the window.
Form1::~Form1() = default;

LRESULT Form1::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const HWND window = window_.get();
  // The messages of the window's creation come before the components that the handlers use.
  if (!components_) return ::DefWindowProcW(window, message, wParam, lParam);
  switch (message) {
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_TIMER:
      OnTimer(wParam);
      return 0;
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) != SC_CLOSE) return ::DefWindowProcW(window, message, wParam, lParam);
      OnCloseCommand();
      return 0;
    case WM_CLOSE:
      OnCloseFromOutside();
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_ENDSESSION:
      OnEndSession(wParam != FALSE);
      return 0;
    default:
      return ::DefWindowProcW(window, message, wParam, lParam);
  }
}

void Form1::OnCommand(int controlId, int notification) {
  // Enter and Escape arrive as IDOK and IDCANCEL, which no control has: no default buttons here.
  const auto id = static_cast<ControlId>(controlId);
  if (notification == BN_CLICKED) {
    if (const auto index = BtnIndexOf(id)) return Btn_Click(*index);
    if (id == ControlId::AutoStartCHK) return AutoStartCHK_Click();
  }
  if (notification != STN_CLICKED) return;
  if (id == ControlId::Image1) return Image1_Click();
  if (id == ControlId::Image2) return Image2_Click();
  if (id == ControlId::Image3) return Image3_Click();
}

void Form1::OnTimer(UINT_PTR timerId) {
  if (timerId == kTickTimerId && components_->tick.TakeTick()) components_->check.Tick_Timer();
  if (timerId == kCheckPop3TimerId && components_->checkPop3Timer.TakeTick())
    components_->schedule.CheckPOP3Timer_Timer();
}

// The close box, the window menu and Alt+F4 all arrive as the window's own close command.
void Form1::OnCloseCommand() { Unload(UnloadMode::UserClose); }

// A close that is not the window's own command comes from outside: the task manager's "End task",
// taskkill, or an installer that must replace the program. It unloads like "&Ende".
void Form1::OnCloseFromOutside() {
  components_->pop3Sock.Close();
  Unload(UnloadMode::TaskManager);
}

void Form1::OnEndSession(bool ending) {
  // Windows may end the process as soon as this returns: save now.
  if (ending) Unload(UnloadMode::WindowsSession);
}

void Form1::Form_Load() {
  SelectStartupBanner((*controls_)[ControlId::Image1], (*controls_)[ControlId::Image2]);
  const MailboxSettings settings = LoadSettings(store_, scrambler_);
  const Form1Controls& c = *controls_;
  for (const AccountFieldControl& field : kAccountFieldControls) {
    ::SetWindowTextW(c[field.control], (settings.*field.setting).c_str());
  }
  FillIntervalList(components_->intervals, store_);
  LoadAutostartState(*autostartBox_);
  tray_.InstallWindowHook(window_.get(), [this](std::uint32_t) { ShowForm(); });
  // The notification area shows small icons.
  tray_.AddTrayIcon(kTrayIconId, smallIcon_.get(), kCaption);
  HideForm();
  // Last: with its caption a second start finds the window (FindLoaded), and its request to show
  // it must not come while the load may still hide it or show a message.
  ::SetWindowTextW(window_.get(), std::wstring(kCaption).c_str());
}

void Form1::Form_QueryUnload(bool& cancel, UnloadMode unloadMode) {
  // Closing the window only hides it; the program goes on in the notification area.
  if (unloadMode != UnloadMode::UserClose) return;
  cancel = true;
  HideForm();
}

void Form1::Form_Unload() {
  const Form1Controls& c = *controls_;
  MailboxSettings settings;
  for (const AccountFieldControl& field : kAccountFieldControls) settings.*field.setting = WindowText(c[field.control]);
  settings.IntervalIndex = static_cast<std::int16_t>(::SendMessageW(c[ControlId::IntervalList], CB_GETCURSEL, 0, 0));
  SaveSettings(store_, scrambler_, settings);
  tray_.RemoveTrayIcon(kTrayIconId);
  tray_.RemoveWindowHook();
}

void Form1::Unload(UnloadMode unloadMode) {
  if (!window_) return;
  bool cancel = false;
  Form_QueryUnload(cancel, unloadMode);
  if (cancel) return;
  Form_Unload();
  components_.reset();
  window_.Destroy();
  // The settings are saved: a new start may be the one instance, beside a lingering About dialog.
  singleInstance_.Release();
}

void Form1::Btn_Click(std::int16_t index) {
  switch (index) {
    case kBtnChooseMailClient:
      return GetMailClientNameDialog();
    case kBtnHide:
      return HideForm();
    case kBtnTest:
      return components_->check.StartPop3Check();
    case kBtnInfo:
      return about_.ShowAboutDialog();
    case kBtnHelp:
      return ShowOnlineHelp();
    case kBtnEnd:
      components_->pop3Sock.Close();
      return Unload(UnloadMode::Program);
    default:
      return;
  }
}

void Form1::AutoStartCHK_Click() { ApplyAutostartState(*autostartBox_); }

void Form1::Image1_Click() { OpenMakerWebSite(); }
void Form1::Image2_Click() { OpenMagazineWebSite(); }
void Form1::Image3_Click() { OpenMakerWebSite(); }

void Form1::GetMailClientNameDialog() {
  const HWND field = (*controls_)[ControlId::MailClientTB];
  // Cancelling leaves the field as it is: what the user typed is never lost.
  if (const auto chosen = ChooseMailClient(window_.get(), WindowText(field))) ::SetWindowTextW(field, chosen->c_str());
}

void Form1::ShowForm() {
  ::ShowWindow(window_.get(), SW_SHOW);
  ::SetForegroundWindow(window_.get());
}

void Form1::HideForm() {
  window_.RememberFocus();
  ::ShowWindow(window_.get(), SW_HIDE);
}

}  // namespace pbw
