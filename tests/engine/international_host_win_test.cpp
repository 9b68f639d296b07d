#include "engine/international_host_win.h"

#include <gtest/gtest.h>

namespace pbw {
namespace {

TEST(AsciiHostName, ConvertsLettersBeyondAsciiAndLeavesEverythingElse) {
  EXPECT_EQ(AsciiHostName(L"pöst.example"), L"xn--pst-sna.example");
  EXPECT_EQ(AsciiHostName(L"Bücher.例え.jp"), L"xn--bcher-kva.xn--r8jz45g.jp");
  EXPECT_EQ(AsciiHostName(L"pop.example.com"), L"pop.example.com");
  EXPECT_EQ(AsciiHostName(L"2001:db8::1"), L"2001:db8::1");
  EXPECT_EQ(AsciiHostName(L""), L"");
}

}  // namespace
}  // namespace pbw
