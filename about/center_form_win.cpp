#include "about/center_form_win.h"

namespace pbw {

Position CenterForm(Extent screen, Extent window) {
  // Integer division truncates towards zero, also for a negative difference.
  return {(screen.width - window.width) / 2, (screen.height - window.height) / 2};
}

bool IsSmallScreen(Extent screenPixels) { return screenPixels.width <= 640 || screenPixels.height <= 480; }

Extent ScreenPixels() { return {::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)}; }

void CenterForm(HWND window) {
  RECT frame{};
  ::GetWindowRect(window, &frame);
  const Position place = CenterForm(ScreenPixels(), {frame.right - frame.left, frame.bottom - frame.top});
  ::SetWindowPos(window, nullptr, place.left, place.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace pbw
