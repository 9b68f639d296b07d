#include "about/info_form_freeware_win.h"

#include <string>

#include "about/about_text.h"
#include "about/center_form_win.h"
#include "about/info_form_layout.h"
#include "forms/stretched_picture_win.h"
#include "helplinks/shell_launcher_win.h"
#include "helplinks/windows_version_win.h"
#include "resources/picture_loading_win.h"
#include "resources/program_identity.h"
#include "resources/resource_ids.h"

namespace pbw {
namespace {

using namespace info_form;

// A fixed dialog frame without minimise and maximise boxes.
constexpr FormFrame kFrame{L"PbwInfoFormFreeware", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN,
                           WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT, kClientWidth, kClientHeight};

HINSTANCE Instance() { return ::GetModuleHandleW(nullptr); }

}  // namespace

InfoFormFreeware::InfoFormFreeware(ProgramLifetime& lifetime)
    : window_(lifetime, FocusMemory::AnyControl,
              [this](UINT message, WPARAM wParam, LPARAM lParam) { return HandleMessage(message, wParam, lParam); }) {}

HWND InfoFormFreeware::HiddenOwner() {
  if (!::IsWindow(owner_.get())) {
    owner_.release();  // destroyed from outside: the handle is no longer ours to destroy
    owner_.reset(::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, Instance(), nullptr));
  }
  return owner_.get();
}

// The dialog's load: placement, caption and text, computed afresh for every new instance.
void InfoFormFreeware::Form_Load() {
  const HWND window = window_.get();
  if (IsSmallScreen(ScreenPixels())) {
    ::SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  } else {
    CenterForm(window);
  }
  ::SetWindowTextW(window, (L"Info \u00fcber " + std::wstring(kProductName)).c_str());
  SYSTEMTIME now{};
  ::GetLocalTime(&now);
  ::SetDlgItemTextW(window, kLabelId, AboutText(now.wYear).c_str());
}

void InfoFormFreeware::Btn_Click(short index) {
  switch (index) {
    case kWhoIsTrelvik:
      ShellOpen(std::wstring(kMakerHost) + std::wstring(kMakerAboutPagePath), 0);
      break;
    case kWriteMail:
      ShellOpen(SupportMailAddress(WindowsVersionText()), 0);
      break;
    case kWhatsNew:
      OpenMakerWebSite();
      break;
    case kCloseWindow:
      ::DestroyWindow(window_.get());
      break;
    default:
      break;
  }
}

void InfoFormFreeware::OnCommand(int id, int code) {
  if (id == kImage1Id && code == STN_CLICKED) {
    OpenMakerWebSite();
    return;
  }
  const auto index = ButtonIndexOf(id);
  if (index && code == BN_CLICKED) Btn_Click(*index);
}

LRESULT InfoFormFreeware::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND) {
    OnCommand(LOWORD(wParam), HIWORD(wParam));
    return 0;
  }
  return ::DefWindowProcW(window_.get(), message, wParam, lParam);
}

void InfoFormFreeware::ShowAboutDialog() {
  if (window_) {
    ::SetForegroundWindow(window_.get());
    return;
  }
  const HICON icon = ::LoadIconW(Instance(), MAKEINTRESOURCEW(IDI_ABOUT));
  if (!window_.Create(kFrame, icon, nullptr, OuterRect(kFrame), HiddenOwner(), Instance(), kControls)) return;
  MakeStretchedPicture(window_.Control(kImage1Id), LoadJpegResource(Instance(), IDR_ABOUT_PICTURE),
                       ::LoadCursorW(Instance(), MAKEINTRESOURCEW(IDC_BANNER_POINTER)), kImage1Tooltip);
  Form_Load();
  ::ShowWindow(window_.get(), SW_SHOWNORMAL);
  window_.RestoreFocus();
}

}  // namespace pbw
