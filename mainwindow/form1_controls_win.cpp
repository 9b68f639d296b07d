#include "mainwindow/form1_controls_win.h"

#include <commctrl.h>

#include <string>

#include "common/layout_font_win.h"
#include "common/stretched_picture_win.h"
#include "common/twips_win.h"
#include "resources/picture_loading_win.h"
#include "resources/resource_ids.h"

namespace pbw {
namespace {

struct WindowKind {
  const wchar_t* className;
  DWORD style;
  DWORD exStyle;
};

WindowKind KindOf(ControlKind kind) {
  switch (kind) {
    case ControlKind::Frame:
      return {L"BUTTON", BS_GROUPBOX, 0};
    case ControlKind::Label:
      return {L"STATIC", SS_LEFT | SS_CENTERIMAGE | SS_NOPREFIX, 0};
    case ControlKind::TextBox:
      return {L"EDIT", WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::PasswordBox:
      return {L"EDIT", WS_TABSTOP | ES_AUTOHSCROLL | ES_PASSWORD, WS_EX_CLIENTEDGE};
    case ControlKind::DropDownList:
      return {L"COMBOBOX", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0};
    case ControlKind::Button:
      return {L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 0};
    case ControlKind::CheckBox:
      return {L"BUTTON", WS_TABSTOP | BS_AUTOCHECKBOX, 0};
    case ControlKind::Picture:
      return {L"STATIC", SS_NOTIFY | SS_BITMAP | SS_REALSIZECONTROL, 0};
    case ControlKind::StatusBar:
      return {STATUSCLASSNAMEW, 0, 0};
    case ControlKind::TraceBox:
      // Lies below the visible client area: the user never tabs into it.
      return {L"EDIT", ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL, WS_EX_CLIENTEDGE};
  }
  return {L"STATIC", 0, 0};
}

// A drop-down list's height includes its open list.
constexpr int kDroppedListPixels = 240;

}  // namespace

Form1Controls::Form1Controls(HWND form, HINSTANCE instance)
    : font_(CreateLayoutFont(kLayoutFont)), boldFont_(CreateLayoutFont(kLayoutBoldFont)) {
  for (const ControlSpec& layout : Form1Layout()) {
    const WindowKind kind = KindOf(layout.kind);
    RECT r = TwipsToPixels(layout.place);
    if (layout.kind == ControlKind::DropDownList) r.bottom += kDroppedListPixels;
    const HWND control =
        ::CreateWindowExW(kind.exStyle, kind.className, std::wstring(layout.caption).c_str(),
                          WS_CHILD | WS_VISIBLE | kind.style, r.left, r.top, r.right - r.left, r.bottom - r.top, form,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(CommandId(layout.id))), instance, nullptr);
    const HFONT font = FontOf(layout.id).bold ? boldFont_.get() : font_.get();
    ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    windows_[layout.id] = control;
  }
  ::SendMessageW(windows_[ControlId::PasswortTB], EM_SETPASSWORDCHAR, L'*', 0);
  // The trace holds whole server replies; lift the edit control's default limit.
  ::SendMessageW(windows_[ControlId::T], EM_SETLIMITTEXT, 0, 0);
  // It lies below the visible client area anyway. Hidden, its text changes cost no scroll-bar
  // updates: those made every reply of a check wait many milliseconds while the window was shown.
  ::ShowWindow(windows_[ControlId::T], SW_HIDE);

  // Decoded when the window is first shown: it starts hidden in the tray, often for the whole run.
  const HCURSOR bannerPointer = ::LoadCursorW(instance, MAKEINTRESOURCEW(IDC_BANNER_POINTER));
  MakeStretchedPicture(
      windows_[ControlId::Image1], [instance] { return LoadJpegResource(instance, IDR_MAKER_BANNER); }, bannerPointer,
      L"Klicken Sie hier, um weitere Programme von Trelvik Software kennenzulernen ...");
  MakeStretchedPicture(
      windows_[ControlId::Image2], [instance] { return LoadBitmapResource(instance, IDB_PARTNER_BANNER); },
      bannerPointer, L"Klicken Sie hier, um die neuesten Nachrichten im Web-Magazin Netzpost zu lesen ...");
  MakeStretchedPicture(
      windows_[ControlId::Image3], [instance] { return LoadJpegResource(instance, IDR_SIDE_PICTURE); }, nullptr, L"");
}

}  // namespace pbw
