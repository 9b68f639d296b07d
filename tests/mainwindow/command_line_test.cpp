#include "mainwindow/command_line.h"

#include <gtest/gtest.h>

namespace pbw {
namespace {

TEST(CommandLine, FindsAnOptionAsAWholeWordInAnyCase) {
  EXPECT_TRUE(HasOption(L"/AUTOSTART", L"/AUTOSTART"));
  EXPECT_TRUE(HasOption(L"  /autostart\t", L"/AUTOSTART"));
  EXPECT_TRUE(HasOption(L"\"C:\\Mit Leerzeichen\\x\" /AutoStart", L"/AUTOSTART"));
  EXPECT_FALSE(HasOption(L"", L"/AUTOSTART"));
  EXPECT_FALSE(HasOption(L"/AUTOSTARTX", L"/AUTOSTART"));
  EXPECT_FALSE(HasOption(L"\"C:\\a /AUTOSTART b\\y\"", L"/AUTOSTART")) << "inside quotes it is part of a path";
}

}  // namespace
}  // namespace pbw
