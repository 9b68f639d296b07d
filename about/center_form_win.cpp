#include "about/center_form_win.h"

namespace pbw {

Extent ScreenPixels() { return {::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)}; }

void CenterForm(HWND window) {
  RECT frame{};
  ::GetWindowRect(window, &frame);
  const Position place = CenterForm(ScreenPixels(), {frame.right - frame.left, frame.bottom - frame.top});
  ::SetWindowPos(window, nullptr, place.left, place.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace pbw
