#include "engine/local_clock_win.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace pbw {
namespace {

TEST(LocalClock, GivesTheTimeOfDayWithoutADate) {
  SYSTEMTIME today{};
  ::GetLocalTime(&today);
  const std::wstring text = LocalClock().TimeOfDayText();
  ASSERT_FALSE(text.empty());
  EXPECT_EQ(text.find(std::to_wstring(today.wYear)), std::wstring::npos) << text.c_str();
  EXPECT_EQ(text.find(L'\0'), std::wstring::npos) << "no terminator inside the text";
}

}  // namespace
}  // namespace pbw
