#include "common/text_helpers.h"

#include <gtest/gtest.h>

#include <limits>

namespace pbw {
namespace {

TEST(AsciiCase, ChangesOnlyTheAsciiLetters) {
  EXPECT_EQ(AsciiUpperCase(L"www.trelvik-2.example \u00e4\u00df"), L"WWW.TRELVIK-2.EXAMPLE \u00e4\u00df");
  EXPECT_TRUE(EqualIgnoringAsciiCase(L"lan-", L"LAN-"));
  EXPECT_TRUE(EqualIgnoringAsciiCase(L"", L""));
  EXPECT_FALSE(EqualIgnoringAsciiCase(L"\u00e4", L"\u00c4"));
  EXPECT_FALSE(EqualIgnoringAsciiCase(L"[", L"{"));  // 0x20 apart, like a letter's two cases
  EXPECT_FALSE(EqualIgnoringAsciiCase(L"abc", L"ab"));
}

TEST(TrimSpaces, DropsOnlyBlanksAtEitherEnd) {
  EXPECT_EQ(TrimSpaces(L"  pop.example.com "), L"pop.example.com");
  EXPECT_EQ(TrimSpaces(L"a b"), L"a b");
  EXPECT_EQ(TrimSpaces(L"\ta\t"), L"\ta\t");
  EXPECT_EQ(TrimSpaces(L"   "), L"");
  EXPECT_EQ(TrimSpaces(L""), L"");
}

TEST(HexPadded, PadsToWidthAndNeverCuts) {
  struct Case {
    std::int32_t value;
    std::int32_t width;
    std::wstring_view text;
  };
  const Case cases[] = {{255, 4, L"00FF"},    {65535, 4, L"FFFF"},
                        {0, 4, L"0000"},      {0x12345, 4, L"12345"},
                        {0xABC, 0, L"ABC"},   {10, 1, L"A"},
                        {0, 0, L"0"},         {0x5B0, -3, L"5B0"},
                        {-1, 4, L"FFFFFFFF"}, {0x7FFFFFFF, 8, L"7FFFFFFF"}};
  for (const auto& c : cases) EXPECT_EQ(HexPadded(c.value, c.width), c.text) << c.value << " " << c.width;
}

TEST(DecimalText, WritesWhatToWstringWrites) {
  for (const std::int64_t value : {std::int64_t{0}, std::int64_t{7}, std::int64_t{-7}, std::int64_t{65535},
                                   std::numeric_limits<std::int64_t>::max(), std::numeric_limits<std::int64_t>::min()})
    EXPECT_EQ(DecimalText(value), std::to_wstring(value));
}

TEST(HexDigitValue, ReadsEitherCaseAndNothingElse) {
  EXPECT_EQ(HexDigitValue(L'0'), 0u);
  EXPECT_EQ(HexDigitValue(L'9'), 9u);
  EXPECT_EQ(HexDigitValue(L'a'), 10u);
  EXPECT_EQ(HexDigitValue(L'F'), 15u);
  for (const wchar_t c : std::wstring_view(L"gG/:@`x \uff10"))
    EXPECT_EQ(HexDigitValue(c), std::nullopt) << static_cast<int>(c);
}

TEST(CutAtNul, CutsAtTheFirstNul) {
  EXPECT_EQ(CutAtNul(std::wstring(L"abc")), L"abc");
  EXPECT_EQ(CutAtNul(std::wstring(L"\0abc", 4)), L"");
  EXPECT_EQ(CutAtNul(std::wstring(L"ab\0c\0", 5)), L"ab");
  EXPECT_EQ(CutAtNul(std::wstring()), L"");
  EXPECT_EQ(CutAtNul(std::string("tip\0\0", 5)), "tip");
}

}  // namespace
}  // namespace pbw
