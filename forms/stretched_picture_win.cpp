#include "forms/stretched_picture_win.h"

#include <commctrl.h>

#include <memory>
#include <utility>

#include "common/control_extension_win.h"

namespace pbw {
namespace {

void PaintStretched(HWND control, HDC target, HBITMAP picture) {
  RECT area{};
  ::GetClientRect(control, &area);
  BITMAP size{};
  ::GetObjectW(picture, sizeof(size), &size);
  const UniqueMemoryDc source(::CreateCompatibleDC(target));
  const GdiSelection selected(source.get(), picture);
  const int saved = ::SaveDC(target);
  ::SetStretchBltMode(target, HALFTONE);
  ::SetBrushOrgEx(target, 0, 0, nullptr);  // halftone needs it after the mode is set
  ::StretchBlt(target, 0, 0, area.right, area.bottom, source.get(), 0, 0, size.bmWidth, size.bmHeight, SRCCOPY);
  ::RestoreDC(target, saved);
}

// What the control shows and how it reacts to the mouse; the control owns it.
struct StretchedPicture {
  PictureSource decode;  // until the first paint; empty for a picture handed over ready
  UniqueBitmap picture;
  HCURSOR pointer = nullptr;
  UniqueWindow tooltip;

  // The picture, decoded now at the first paint; a picture that cannot be decoded is tried once.
  HBITMAP Picture() {
    if (decode) picture = std::exchange(decode, nullptr)();
    return picture.get();
  }

  LRESULT HandleMessage(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
      case WM_ERASEBKGND:
        return TRUE;  // the picture covers everything
      case WM_PAINT: {
        PAINTSTRUCT paint{};
        const HDC dc = ::BeginPaint(control, &paint);
        PaintStretched(control, dc, Picture());
        ::EndPaint(control, &paint);
        return 0;
      }
      case WM_PRINTCLIENT:
        PaintStretched(control, reinterpret_cast<HDC>(wParam), Picture());
        return 0;
      case WM_SETCURSOR:
        if (pointer && LOWORD(lParam) == HTCLIENT) {
          ::SetCursor(pointer);
          return TRUE;
        }
        break;
      default:
        break;
    }
    return ::DefSubclassProc(control, message, wParam, lParam);
  }
};

UniqueWindow MakeTooltip(HWND control, const std::wstring& text) {
  if (text.empty()) return {};
  const INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_WIN95_CLASSES};
  ::InitCommonControlsEx(&classes);
  UniqueWindow tooltip(
      ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, ::GetAncestor(control, GA_ROOT), nullptr,
                        reinterpret_cast<HINSTANCE>(::GetWindowLongPtrW(control, GWLP_HINSTANCE)), nullptr));
  TTTOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;  // also understood by the common controls before version 6
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = ::GetParent(control);
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = const_cast<wchar_t*>(text.c_str());  // copied by the tooltip
  ::SendMessageW(tooltip.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  return tooltip;
}

void MakeStretchedPicture(HWND control, std::unique_ptr<StretchedPicture> state, HCURSOR pointer,
                          const std::wstring& tooltip) {
  // A STATIC tells its parent about clicks only with SS_NOTIFY.
  ::SetWindowLongPtrW(control, GWL_STYLE, ::GetWindowLongPtrW(control, GWL_STYLE) | SS_NOTIFY);
  state->pointer = pointer;
  state->tooltip = MakeTooltip(control, tooltip);
  ExtendControl(control, std::move(state));
  ::InvalidateRect(control, nullptr, TRUE);
}

}  // namespace

void MakeStretchedPicture(HWND control, UniqueBitmap picture, HCURSOR pointer, const std::wstring& tooltip) {
  auto state = std::make_unique<StretchedPicture>();
  state->picture = std::move(picture);
  MakeStretchedPicture(control, std::move(state), pointer, tooltip);
}

void MakeStretchedPicture(HWND control, PictureSource decode, HCURSOR pointer, const std::wstring& tooltip) {
  auto state = std::make_unique<StretchedPicture>();
  state->decode = std::move(decode);
  MakeStretchedPicture(control, std::move(state), pointer, tooltip);
}

}  // namespace pbw
