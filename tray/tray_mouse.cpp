#include "tray/tray_mouse.h"

namespace pbw {

TrayMouseAction TrayMouseActionFor(std::uint32_t mouseMessage) {
  switch (mouseMessage) {
    case 0x0201:  // WM_LBUTTONDOWN
    case 0x0204:  // WM_RBUTTONDOWN
      return TrayMouseAction::kClick;
    case 0x0203:  // WM_LBUTTONDBLCLK
    case 0x0206:  // WM_RBUTTONDBLCLK
      return TrayMouseAction::kDoubleClick;
    default:
      return TrayMouseAction::kNone;
  }
}

}  // namespace pbw
