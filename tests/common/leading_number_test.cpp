#include "common/leading_number.h"

#include <gtest/gtest.h>

namespace pbw {
namespace {

TEST(LeadingNumber, ReadsSignDigitsAndFraction) {
  struct Case {
    std::wstring_view text;
    double value;
  };
  const Case cases[] = {{L"110", 110}, {L"  42abc", 42}, {L"-1", -1}, {L"+7", 7},        {L"2.5", 2.5},
                        {L"abc", 0},   {L"", 0},         {L"-", 0},   {L".5", 0.5},      {L"12 34", 12},
                        {L"\t3", 3},   {L"1e3", 1},      {L"60", 60}, {L"-0.25x", -0.25}};
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(LeadingNumber(c.text), c.value) << std::wstring(c.text).c_str();
}

TEST(RoundHalfEven32, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(RoundHalfEven32(2.5), 2);
  EXPECT_EQ(RoundHalfEven32(3.5), 4);
  EXPECT_EQ(RoundHalfEven32(-2.5), -2);
  EXPECT_EQ(RoundHalfEven32(-3.5), -4);
  EXPECT_EQ(RoundHalfEven32(2.4999), 2);
  EXPECT_EQ(RoundHalfEven32(2.5001), 3);
  EXPECT_EQ(RoundHalfEven32(2147483647.0), 2147483647);
  EXPECT_EQ(RoundHalfEven32(-2147483648.0), -2147483647 - 1);
  EXPECT_EQ(RoundHalfEven32(2147483648.0), std::nullopt);
  EXPECT_EQ(RoundHalfEven32(1e300), std::nullopt);
}

}  // namespace
}  // namespace pbw
