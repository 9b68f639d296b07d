#include "about/info_form_freeware_win.h"

#include <string>

#include "about/about_text.h"
#include "about/center_form_win.h"
#include "about/info_form_layout.h"
#include "common/layout_font_win.h"
#include "common/stretched_picture_win.h"
#include "common/twips_win.h"
#include "common/unique_handle_win.h"
#include "helplinks/shell_launcher_win.h"
#include "helplinks/windows_version_win.h"
#include "resources/picture_loading_win.h"
#include "resources/program_identity.h"
#include "resources/resource_ids.h"

namespace pbw {
namespace {

using namespace info_form;

constexpr wchar_t kClassName[] = L"PbwInfoFormFreeware";
// A fixed dialog frame without minimise and maximise boxes.
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
// Long captions come in several lines, which only a multi-line button shows. BS_NOTIFY reports focus
// changes, so that the focused button can show that Enter presses it.
constexpr DWORD kButtonStyle = WS_TABSTOP | BS_MULTILINE | BS_NOTIFY;

HINSTANCE Instance() { return ::GetModuleHandleW(nullptr); }

HWND CreateChild(HWND parent, const wchar_t* className, const wchar_t* text, DWORD style, const TwipsRect& place,
                 int id) {
  const RECT r = TwipsToPixels(place);
  return ::CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | style, r.left, r.top, r.right - r.left,
                           r.bottom - r.top, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), Instance(),
                           nullptr);
}

}  // namespace

// The caption broken into the lines that fit its button in the button's font. A button left to wrap
// the text itself may break it more often than the text needs (Wine does) and lose the last line
// below its edge.
std::wstring InfoFormFreeware::FittedCaption(const wchar_t* caption, const TwipsRect& place) const {
  const RECT r = TwipsToPixels(place);
  const int width = r.right - r.left - 2 * ::MulDiv(kPushButtonTextInset, SystemDpiY(), 96);
  const UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
  const GdiSelection font(dc.get(), buttonFont_.get());
  return BreakCaptionToWidth(dc.get(), caption, width);
}

HWND InfoFormFreeware::HiddenOwner() {
  if (!::IsWindow(owner_.get())) {
    owner_.release();  // destroyed from outside: the handle is no longer ours to destroy
    owner_.reset(::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, Instance(), nullptr));
  }
  return owner_.get();
}

void InfoFormFreeware::CreateControls() {
  const HWND window = window_.get();
  const HWND picture = CreateChild(window, L"STATIC", nullptr, SS_NOTIFY, kImage1, kImage1Id);
  MakeStretchedPicture(picture, LoadJpegResource(Instance(), IDR_ABOUT_PICTURE),
                       ::LoadCursorW(Instance(), MAKEINTRESOURCEW(IDC_BANNER_POINTER)), kImage1Tooltip);

  labelFont_ = CreateLayoutFont(kLabelFont);
  const HWND label = CreateChild(window, L"STATIC", L"Label1", SS_LEFT | SS_NOPREFIX, kLabel, kLabelId);
  ::SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(labelFont_.get()), FALSE);

  CreateChild(window, L"STATIC", nullptr, SS_ETCHEDHORZ, kLine1, kLine1Id);

  // Created left to right: the creation order is the keyboard order.
  buttonFont_ = CreateLayoutFont(kLayoutFont);
  for (const ButtonSpec& entry : kButtons) {
    const TwipsRect place{entry.left, kButtonTop, entry.width, kButtonHeight};
    const HWND button = CreateChild(window, L"BUTTON", FittedCaption(entry.caption, place).c_str(),
                                    BS_PUSHBUTTON | kButtonStyle, place, ButtonId(entry.index));
    ::SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(buttonFont_.get()), FALSE);
  }
  focus_ = ::GetDlgItem(window, ButtonId(kButtons.front().index));
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

void InfoFormFreeware::OnCommand(int id, int code, HWND control) {
  if (id == kImage1Id && code == STN_CLICKED) {
    OpenMakerWebSite();
    return;
  }
  const auto index = ButtonIndexOf(id);
  if (!index) return;
  switch (code) {
    case BN_CLICKED:
      Btn_Click(*index);
      break;
    case BN_SETFOCUS:
      ::SendMessageW(control, BM_SETSTYLE, BS_DEFPUSHBUTTON | kButtonStyle, TRUE);
      break;
    case BN_KILLFOCUS:
      ::SendMessageW(control, BM_SETSTYLE, BS_PUSHBUTTON | kButtonStyle, TRUE);
      break;
    default:
      break;
  }
}

LRESULT InfoFormFreeware::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const HWND window = window_.get();
  switch (message) {
    case WM_CREATE:
      lifetime_.WindowLoaded();
      return 0;
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        const HWND focus = ::GetFocus();
        if (::IsChild(window, focus)) focus_ = focus;
      } else if (focus_) {
        ::SetFocus(focus_);
      }
      return 0;
    case WM_NCDESTROY:
      focus_ = nullptr;
      labelFont_.reset();
      buttonFont_.reset();
      lifetime_.WindowUnloaded();
      break;
    default:
      break;
  }
  return ::DefWindowProcW(window, message, wParam, lParam);
}

void InfoFormFreeware::ShowAboutDialog() {
  if (window_) {
    ::SetForegroundWindow(window_.get());
    return;
  }
  WNDCLASSEXW windowClass{};
  windowClass.hInstance = Instance();
  windowClass.hIcon = ::LoadIconW(Instance(), MAKEINTRESOURCEW(IDI_ABOUT));
  windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kClassName;
  if (!BoundWindow<InfoFormFreeware>::RegisterWindowClass(windowClass)) return;
  RECT frame{0, 0, TwipsToPixelsX(kClientWidth), TwipsToPixelsY(kClientHeight)};
  ::AdjustWindowRectEx(&frame, kStyle, FALSE, kExStyle);
  ::OffsetRect(&frame, -frame.left, -frame.top);
  if (!window_.Create(kExStyle, kClassName, L"Info", kStyle, frame, HiddenOwner(), Instance())) return;
  CreateControls();
  Form_Load();
  ::ShowWindow(window_.get(), SW_SHOWNORMAL);
  ::SetFocus(focus_);
}

bool InfoFormFreeware::HandleAboutDialogMessage(MSG& message) {
  return window_ && ::IsDialogMessageW(window_.get(), &message);
}

}  // namespace pbw
