#include "about/center_form_win.h"

#include <gtest/gtest.h>

#include <ostream>

namespace pbw {
namespace {

struct CenterCase {
  Extent screen;
  Extent window;
  Position expected;
};

void PrintTo(const CenterCase& c, std::ostream* out) {
  *out << "window " << c.window.width << "x" << c.window.height << " on " << c.screen.width << "x" << c.screen.height;
}

class CenterFormTest : public ::testing::TestWithParam<CenterCase> {};

TEST_P(CenterFormTest, SplitsTheFreeSpaceDroppingTheRemainder) {
  const Position place = CenterForm(GetParam().screen, GetParam().window);
  EXPECT_EQ(place.left, GetParam().expected.left);
  EXPECT_EQ(place.top, GetParam().expected.top);
}

INSTANTIATE_TEST_SUITE_P(Sizes, CenterFormTest,
                         ::testing::Values(CenterCase{{800, 600}, {640, 440}, {80, 80}},
                                           CenterCase{{1024, 768}, {633, 447}, {195, 160}},
                                           // A window larger than the screen: -3 / 2 gives -1, not -2.
                                           CenterCase{{800, 600}, {803, 605}, {-1, -2}},
                                           CenterCase{{640, 480}, {640, 480}, {0, 0}}));

struct ScreenCase {
  Extent screen;
  bool small;
};

void PrintTo(const ScreenCase& c, std::ostream* out) { *out << c.screen.width << "x" << c.screen.height; }

class SmallScreenTest : public ::testing::TestWithParam<ScreenCase> {};

TEST_P(SmallScreenTest, PutsTheDialogInTheCornerUpTo640By480) {
  EXPECT_EQ(IsSmallScreen(GetParam().screen), GetParam().small);
}

INSTANTIATE_TEST_SUITE_P(Screens, SmallScreenTest,
                         ::testing::Values(ScreenCase{{800, 480}, true}, ScreenCase{{640, 1024}, true},
                                           ScreenCase{{640, 480}, true}, ScreenCase{{800, 600}, false},
                                           ScreenCase{{641, 481}, false}, ScreenCase{{1920, 1080}, false}));

}  // namespace
}  // namespace pbw
