#include "tray/tray_icon_win.h"

#include <gtest/gtest.h>

namespace pbw {
namespace {

TEST(TrayMouseActionFor, OnlyPressesAndDoubleClicksAct) {
  struct Case {
    std::uint32_t mouseMessage;
    TrayMouseAction action;
  };
  const Case cases[] = {
      {0x0201, TrayMouseAction::kClick},        // left button down
      {0x0202, TrayMouseAction::kNone},         // left button up
      {0x0203, TrayMouseAction::kDoubleClick},  // left double click
      {0x0204, TrayMouseAction::kClick},        // right button down: no context menu
      {0x0205, TrayMouseAction::kNone},         // right button up
      {0x0206, TrayMouseAction::kDoubleClick},  // right double click
      {0x0200, TrayMouseAction::kNone},         // mouse move
      {0x0207, TrayMouseAction::kNone},         // middle button down
      {0x0209, TrayMouseAction::kNone},         // middle double click
      {0x020A, TrayMouseAction::kNone},         // wheel
      {0, TrayMouseAction::kNone},
      {0x00010201, TrayMouseAction::kNone},  // the whole value counts, not its low word
      {0xFFFFFFFF, TrayMouseAction::kNone},
  };
  for (const auto& c : cases) EXPECT_EQ(TrayMouseActionFor(c.mouseMessage), c.action) << std::hex << c.mouseMessage;
}

}  // namespace
}  // namespace pbw
