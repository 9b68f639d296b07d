#include "settings/password_scrambler.h"

#include <gtest/gtest.h>

#include "common/text_helpers.h"
#include "tests/support/settings_stand_ins.h"

namespace pbw {
namespace {

using testing::Cp1252CodePage;
using testing::QueuedRandom;

const Cp1252CodePage kCodePage;

// The random numbers are drawn as: salt, then for each character its high and low filler.
std::wstring Store(std::wstring_view password, std::initializer_list<std::uint32_t> randomNumbers) {
  QueuedRandom random(randomNumbers);
  return PasswordScrambler(random, kCodePage).ConvertPassword(password, true);
}

std::wstring Read(std::wstring_view stored) {
  QueuedRandom unused({});
  return PasswordScrambler(unused, kCodePage).ConvertPassword(stored, false);
}

bool IsUpperHex(std::wstring_view text) {
  return text.find_first_not_of(L"0123456789ABCDEF") == std::wstring_view::npos;
}

// Vectors worked out by hand from the rule: weight = low byte of salt / 2^(i mod 8), halves to even.
TEST(ConvertPassword, StoresFixedSaltVectors) {
  struct Case {
    std::wstring_view password;
    std::initializer_list<std::uint32_t> random;
    std::wstring_view stored;
  };
  const Case cases[] = {
      // 0x1234 / 2 = 0x91A: 'A' 0x41 ^ 0x1A = 0x5B between fillers A and 5.
      {L"A", {0x1234, 0xA, 0x5}, L"A5B51234"},
      // 0xFFFF / 2 = 32767.5 goes to the even 32768 = 0x8000: weight 0, so 'Z' stays 0x5A.
      {L"Z", {0xFFFF, 0xF, 0xF}, L"F5AFFFFF"},
      // 7 / 2 = 3.5 goes up to 4, 7 / 4 = 1.75 to 2, 7 / 8 = 0.875 to 1.
      {L"AAA",
       {7},
       L"045004300400"
       L"0007"},
      // 0xABCD: weights E6 F3 7A BD 5E AF 58 CD (21990.5 goes down to 21990), repeating every 8.
      {L"abcdefghijklmnop",
       {0xABCD},
       L"0870"
       L"0910"
       L"0190"
       L"0D90"
       L"03B0"
       L"0C90"
       L"03F0"
       L"0A50"
       L"08F0"
       L"0990"
       L"0110"
       L"0D10"
       L"0330"
       L"0C10"
       L"0370"
       L"0BD0"
       L"ABCD"},
      {L"", {0x00FF}, L"00FF"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Store(c.password, c.random), c.stored);
    EXPECT_EQ(Read(c.stored), c.password) << std::wstring(c.stored).c_str();
  }
}

TEST(ConvertPassword, PositionsEightAndSixteenTakeTheSaltsLowByte) {
  for (const std::uint32_t salt : {0x0000u, 0x1234u, 0xABCDu, 0xFFFFu}) {
    const std::wstring stored = Store(std::wstring(16, L'x'), {salt});
    const std::wstring expected = HexPadded(static_cast<std::int32_t>((L'x' ^ (salt & 0xFF)) << 4), 4);
    EXPECT_EQ(stored.substr(7 * 4, 4), expected) << salt;
    EXPECT_EQ(stored.substr(15 * 4, 4), expected) << salt;
  }
}

TEST(ConvertPassword, ReadsLowerCaseAndStopsAGroupAtItsFirstNonHexCharacter) {
  EXPECT_EQ(Read(L"a5b51234"), L"A");
  EXPECT_EQ(Read(L"f5afffff"), L"Z");
  // "5B0Z" reads as 0x5B0, the same code as "05B0".
  EXPECT_EQ(Read(L"5B0Z1234"), L"A");
  // Five digits: the one group overlaps the salt "BCDE"; 0xBC ^ 0x6F = 0xD3.
  EXPECT_EQ(Read(L"ABCDE"), L"\u00D3");
}

TEST(ConvertPassword, StoresEveryPasswordIn4nPlus4HexDigitsAndReadsItBack) {
  SystemSeededRandom random;
  PasswordScrambler scrambler(random, kCodePage);
  const std::wstring_view passwords[] = {L"",
                                         L"a",
                                         L"Passwort",
                                         L"  mit Leerzeichen  ",
                                         L"Grüße€ÿ\u0081",
                                         L"UTF8:abc",
                                         L"0123456789ABCDEFabcdefghijklmnopqrstuvwxyz"};
  for (const auto password : passwords) {
    for (int save = 0; save < 20; ++save) {
      const std::wstring stored = scrambler.ConvertPassword(password, true);
      EXPECT_EQ(stored.size(), 4 * password.size() + 4) << stored.c_str();
      EXPECT_TRUE(IsUpperHex(stored)) << stored.c_str();
      EXPECT_EQ(scrambler.ConvertPassword(stored, false), password) << stored.c_str();
    }
  }
}

TEST(ConvertPassword, KeepsCharactersOutsideTheCodePageInTheExtendedForm) {
  SystemSeededRandom random;
  PasswordScrambler scrambler(random, kCodePage);
  const std::wstring_view passwords[] = {L"Пароль€😀", L"abc😀", L"\u20AC\u0141", L"中文"};
  for (const auto password : passwords) {
    const std::wstring stored = scrambler.ConvertPassword(password, true);
    ASSERT_TRUE(stored.starts_with(L"UTF8:")) << stored.c_str();
    EXPECT_TRUE(IsUpperHex(stored.substr(5))) << stored.c_str();
    EXPECT_EQ(stored.size(), 5 + 4 * ToUtf8(password).size() + 4);
    EXPECT_EQ(scrambler.ConvertPassword(stored, false), password);
  }
}

TEST(ConvertPassword, KeepsNulAndEveryOtherCharacterInTheExtendedForm) {
  SystemSeededRandom random;
  PasswordScrambler scrambler(random, kCodePage);
  const std::wstring nul(1, L'\0');
  const std::wstring passwords[] = {L"\u041F" + nul, nul + L"\U0001F600" + nul, L"\u00FF\u0100\uFFFD"};
  for (const std::wstring& password : passwords) {
    EXPECT_EQ(scrambler.ConvertPassword(scrambler.ConvertPassword(password, true), false), password);
  }
}

TEST(ConvertPassword, ScramblesTheUtf8BytesInTheExtendedForm) {
  // "П" is D0 9F in UTF-8; weights 0x1A and 0x8D (0x1234 / 4 = 0x48D).
  EXPECT_EQ(Store(L"П", {0x1234}), L"UTF8:0CA001201234");
  EXPECT_EQ(Read(L"UTF8:0ca001201234"), L"П");
}

TEST(ConvertPassword, ReadsAnyTextWithoutHarm) {
  const std::wstring_view garbage = L"G1z-UTF8:\u00FF\u20ACfF9 Hallo";
  for (std::size_t length = 0; length <= 12; ++length) {
    for (std::size_t from = 0; from + length <= garbage.size(); ++from) {
      const std::wstring_view stored = garbage.substr(from, length);
      const std::wstring password = Read(stored);
      if (!stored.starts_with(L"UTF8:")) {
        // One character for every group that begins at least five characters before the end.
        EXPECT_EQ(password.size(), length > 4 ? (length - 1) / 4 : 0) << std::wstring(stored).c_str();
      }
    }
  }
  EXPECT_EQ(Read(L"UTF8:"), L"");
  EXPECT_EQ(Read(L"UTF8:zzzzzzzzzzzz").size(), 2u);
}

}  // namespace
}  // namespace pbw
