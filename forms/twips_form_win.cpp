#include "forms/twips_form_win.h"

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <utility>

#include "common/layout_font_win.h"
#include "common/twips_win.h"

namespace pbw {
namespace {

// Long captions come in several lines, which only a multi-line button shows. BS_NOTIFY reports focus
// changes, so that the focused button can show that Enter presses it.
constexpr DWORD kDialogButtonStyle = WS_TABSTOP | BS_MULTILINE | BS_NOTIFY;

// A drop-down list's height includes its open list.
constexpr int kDroppedListPixels = 240;

struct WindowKind {
  const wchar_t* className = nullptr;
  DWORD style = 0;
  DWORD exStyle = 0;
};

WindowKind KindOf(ControlKind kind) {
  switch (kind) {
    case ControlKind::Frame:
      return {L"BUTTON", WS_VISIBLE | BS_GROUPBOX};
    case ControlKind::Label:
      return {L"STATIC", WS_VISIBLE | SS_LEFT | SS_CENTERIMAGE | SS_NOPREFIX};
    case ControlKind::TextBlock:
      return {L"STATIC", WS_VISIBLE | SS_LEFT | SS_NOPREFIX};
    case ControlKind::Rule:
      return {L"STATIC", WS_VISIBLE | SS_ETCHEDHORZ};
    case ControlKind::TextBox:
      return {L"EDIT", WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::PasswordBox:
      return {L"EDIT", WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL | ES_PASSWORD, WS_EX_CLIENTEDGE};
    case ControlKind::DropDownList:
      return {L"COMBOBOX", WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST};
    case ControlKind::Button:
      return {L"BUTTON", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON};
    case ControlKind::DialogButton:
      return {L"BUTTON", WS_VISIBLE | BS_PUSHBUTTON | kDialogButtonStyle};
    case ControlKind::CheckBox:
      return {L"BUTTON", WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX};
    case ControlKind::Picture:
      return {L"STATIC", WS_VISIBLE | SS_NOTIFY | SS_BITMAP | SS_REALSIZECONTROL};
    case ControlKind::StatusBar:
      return {STATUSCLASSNAMEW, WS_VISIBLE};
    case ControlKind::TraceBox:
      // Never shown, and it lies below the visible client area anyway: the user never tabs into it.
      // Hidden, its text changes cost no scroll-bar updates, which made every reply of a check wait
      // many milliseconds while the window was shown.
      return {L"EDIT", ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL, WS_EX_CLIENTEDGE};
  }
  return {L"STATIC", WS_VISIBLE};
}

bool IsField(ControlKind kind) {
  return kind == ControlKind::TextBox || kind == ControlKind::PasswordBox || kind == ControlKind::DropDownList;
}

bool SameFont(const LayoutFont& a, const LayoutFont& b) {
  return a.face == b.face && a.heightTwips == b.heightTwips && a.bold == b.bold;
}

// The caption broken into the lines that fit its button in the button's font. A button left to wrap
// the text itself may break it more often than the text needs (Wine does) and lose the last line
// below its edge.
std::wstring FittedCaption(std::wstring_view caption, const RECT& place, HFONT font) {
  const int width = place.right - place.left - 2 * ::MulDiv(kPushButtonTextInset, SystemDpiY(), 96);
  const UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
  const GdiSelection selected(dc.get(), font);
  return BreakCaptionToWidth(dc.get(), caption, width);
}

}  // namespace

RECT OuterRect(const FormFrame& frame) {
  RECT outer = TwipsToPixels({0, 0, frame.clientWidthTwips, frame.clientHeightTwips});
  ::AdjustWindowRectEx(&outer, frame.style, FALSE, frame.exStyle);
  ::OffsetRect(&outer, -outer.left, -outer.top);
  return outer;
}

TwipsForm::TwipsForm(ProgramLifetime& lifetime, FocusMemory focusMemory, MessageHandler handler)
    : lifetime_(lifetime), focusMemory_(focusMemory), handler_(std::move(handler)) {}

TwipsForm::~TwipsForm() { Destroy(); }

bool TwipsForm::Create(const FormFrame& frame, HICON icon, HICON smallIcon, const RECT& place, HWND owner,
                       HINSTANCE instance, std::span<const FormControl> controls) {
  WNDCLASSEXW windowClass{};
  windowClass.hInstance = instance;
  windowClass.hIcon = icon;
  windowClass.hIconSm = smallIcon;
  windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = frame.className;
  if (!BoundWindow<TwipsForm>::RegisterWindowClass(windowClass)) return false;
  if (!window_.Create(frame.exStyle, frame.className, L"", frame.style, place, owner, instance)) return false;
  for (const FormControl& control : controls) CreateControl(control, instance);
  controls_ = controls;
  lifetime_.FormLoaded(window_.get());
  return true;
}

void TwipsForm::CreateControl(const FormControl& control, HINSTANCE instance) {
  const WindowKind kind = KindOf(control.kind);
  RECT r = TwipsToPixels(control.place);
  if (control.kind == ControlKind::DropDownList) r.bottom += kDroppedListPixels;
  const HFONT font = FontFor(control.font);
  const std::wstring caption = control.kind == ControlKind::DialogButton ? FittedCaption(control.caption, r, font)
                                                                         : std::wstring(control.caption);
  const HWND made = ::CreateWindowExW(kind.exStyle, kind.className, caption.c_str(), WS_CHILD | kind.style, r.left,
                                      r.top, r.right - r.left, r.bottom - r.top, window_.get(),
                                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)), instance, nullptr);
  ::SendMessageW(made, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  if (control.kind == ControlKind::PasswordBox) ::SendMessageW(made, EM_SETPASSWORDCHAR, L'*', 0);
  // The trace holds whole server replies; lift the edit control's default limit.
  if (control.kind == ControlKind::TraceBox) ::SendMessageW(made, EM_SETLIMITTEXT, 0, 0);
}

HFONT TwipsForm::FontFor(const LayoutFont& font) {
  const auto made =
      std::find_if(fonts_.begin(), fonts_.end(), [&font](const MadeFont& m) { return SameFont(m.font, font); });
  if (made != fonts_.end()) return made->handle.get();
  return fonts_.emplace_back(MadeFont{font, CreateLayoutFont(font)}).handle.get();
}

const FormControl* TwipsForm::Find(int id) const {
  const auto found =
      std::find_if(controls_.begin(), controls_.end(), [id](const FormControl& c) { return c.id == id; });
  return found == controls_.end() ? nullptr : &*found;
}

HWND TwipsForm::FirstTabStop() const {
  const auto first =
      std::find_if(controls_.begin(), controls_.end(), [](const FormControl& c) { return IsTabStop(c.kind); });
  return first == controls_.end() ? nullptr : Control(first->id);
}

void TwipsForm::Destroy() {
  const HWND window = window_.get();
  if (window == nullptr) return;
  window_.Destroy();
  Unloaded(window);
}

void TwipsForm::Unloaded(HWND window) {
  lifetime_.FormUnloaded(window);
  controls_ = {};
  fonts_.clear();
  focus_ = nullptr;
}

void TwipsForm::RememberFocus() {
  const HWND focus = ::GetFocus();
  if (focus == nullptr || !::IsChild(window_.get(), focus)) return;
  if (focusMemory_ == FocusMemory::AnyControl) {
    focus_ = focus;
    return;
  }
  const FormControl* control = ::GetParent(focus) == window_.get() ? Find(::GetDlgCtrlID(focus)) : nullptr;
  if (control != nullptr && IsField(control->kind)) focus_ = focus;
}

void TwipsForm::RestoreFocus() { ::SetFocus(focus_ != nullptr ? focus_ : FirstTabStop()); }

LRESULT TwipsForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  // The messages of the window's creation come before the controls.
  if (!controls_.empty()) {
    if (message == WM_ACTIVATE) {
      // As a dialog does: the keyboard goes back to the control that had it, never to the frame.
      if (LOWORD(wParam) == WA_INACTIVE) {
        RememberFocus();
      } else {
        RestoreFocus();
      }
      return 0;
    }
    const int notification = HIWORD(wParam);
    if (message == WM_COMMAND && (notification == BN_SETFOCUS || notification == BN_KILLFOCUS)) {
      const FormControl* control = Find(LOWORD(wParam));
      if (control != nullptr && control->kind == ControlKind::DialogButton) {
        const DWORD shown = notification == BN_SETFOCUS ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
        ::SendMessageW(reinterpret_cast<HWND>(lParam), BM_SETSTYLE, shown | kDialogButtonStyle, TRUE);
        return 0;
      }
    }
  }
  const HWND window = window_.get();
  const LRESULT result = handler_(message, wParam, lParam);
  if (message == WM_NCDESTROY) Unloaded(window);
  return result;
}

}  // namespace pbw
