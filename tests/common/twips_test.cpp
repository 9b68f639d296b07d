#include "common/twips.h"

#include <gtest/gtest.h>

namespace pbw {
namespace {

TEST(TwipsToPixels, RoundsToTheNearestPixelAtAnyDpi) {
  EXPECT_EQ(TwipsToPixels(8025, 96), 535);  // 15 twips per pixel
  EXPECT_EQ(TwipsToPixels(4050, 96), 270);
  EXPECT_EQ(TwipsToPixels(7, 96), 0);
  EXPECT_EQ(TwipsToPixels(8, 96), 1);
  EXPECT_EQ(TwipsToPixels(1440, 120), 120);
  EXPECT_EQ(TwipsToPixels(315, 144), 32);  // 31.5 rounds up
  EXPECT_EQ(TwipsToPixels(-8, 96), -1);
  EXPECT_EQ(TwipsToPixels(0, 192), 0);
}

}  // namespace
}  // namespace pbw
