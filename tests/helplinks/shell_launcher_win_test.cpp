#include "helplinks/shell_launcher_win.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "tests/helplinks/shell_stand_in_support_win.h"

namespace pbw {
namespace {

constexpr int kAnyShow = -1;

class ShellLauncherTest : public ::testing::Test {
 protected:
  void ExpectLaunch(const std::wstring& target, int show) {
    const auto launch = standIn_.NextLaunch();
    ASSERT_TRUE(launch.has_value()) << "nothing was opened";
    EXPECT_EQ(launch->target, target);
    if (show != kAnyShow) {
      EXPECT_EQ(launch->show, show);
    }
  }

  testing::ShellStandIn standIn_;
};

TEST_F(ShellLauncherTest, HandsAMailAddressOverAsComposedInANormalWindow) {
  const std::wstring mail = L"mailto:support@trelvik.example?subject=PostboxWatchman (V1.1a) unter Windows 5.1.2600";
  ShellOpen(mail, 0);
  ExpectLaunch(mail, SW_SHOWNORMAL);
}

TEST_F(ShellLauncherTest, PassesOtherShowCommandsOn) {
  ShellOpen(L"https://www.trelvik.example/", SW_SHOWMAXIMIZED);
  ExpectLaunch(L"https://www.trelvik.example/", SW_SHOWMAXIMIZED);
  ShellOpen(L"https://www.trelvik.example/", SW_SHOWMINNOACTIVE);
  ExpectLaunch(L"https://www.trelvik.example/", SW_SHOWMINNOACTIVE);
}

// A bare name beginning with "www." is taken for a web address. Wine hands it on with "http://" in
// front but drops the show command on that way, so only the target is checked.
TEST_F(ShellLauncherTest, OpensABareWwwNameAsAWebAddress) {
  ShellOpen(L"www.trelvik.example/ueber_trelvik.htm", 0);
  ExpectLaunch(L"http://www.trelvik.example/ueber_trelvik.htm", kAnyShow);
}

TEST_F(ShellLauncherTest, OpensTheMakersAndTheMagazinesWebSites) {
  OpenMakerWebSite();
  ExpectLaunch(L"http://www.trelvik.example", kAnyShow);
  OpenMagazineWebSite();
  ExpectLaunch(L"http://www.netzpost-magazin.example", kAnyShow);
}

}  // namespace
}  // namespace pbw
