#pragma once
// What a mouse notification from the tray icon does. There is no context menu: the right button
// acts like the left one, and only presses count.

#include <cstdint>

namespace pbw {

enum class TrayMouseAction { kNone, kClick, kDoubleClick };

// `mouseMessage` is the lParam of the icon's notification: the mouse message the shell reports.
TrayMouseAction TrayMouseActionFor(std::uint32_t mouseMessage);

}  // namespace pbw
