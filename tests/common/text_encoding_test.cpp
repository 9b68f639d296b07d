#include "common/text_encoding.h"

#include <gtest/gtest.h>

namespace pbw {
namespace {

TEST(ToUtf8, EncodesEveryPlane) {
  EXPECT_EQ(ToUtf8(L"abc"), "abc");
  EXPECT_EQ(ToUtf8(L"äöüß€"), "\xC3\xA4\xC3\xB6\xC3\xBC\xC3\x9F\xE2\x82\xAC");
  EXPECT_EQ(ToUtf8(L"\U0001F600"), "\xF0\x9F\x98\x80");
  EXPECT_EQ(ToUtf8(std::wstring(1, static_cast<wchar_t>(0xD800))), "\xEF\xBF\xBD");
}

TEST(DecodeServerText, Utf8WhereValidCp1252WhereNot) {
  EXPECT_EQ(DecodeServerText("+OK"), L"+OK");
  EXPECT_EQ(DecodeServerText("\xC3\xA4"), L"ä");
  EXPECT_EQ(DecodeServerText("\xE4"), L"ä");
  EXPECT_EQ(DecodeServerText("\x80\x9F"), L"€Ÿ");
  EXPECT_EQ(DecodeServerText("\xC3"), L"Ã");                      // truncated sequence
  EXPECT_EQ(DecodeServerText("\xC0\xAF"), L"À¯");                 // overlong form
  EXPECT_EQ(DecodeServerText("\xED\xA0\x80"), L"í\u00A0\u20AC");  // encoded surrogate
  EXPECT_EQ(DecodeServerText("\xF0\x9F\x98\x80"), L"\U0001F600");
  EXPECT_EQ(DecodeServerText(std::string("a\0b", 3)), L"a\u2400b");
}

TEST(DecodeUtf8, GivesBackWhatToUtf8MadeAndReplacesInvalidBytes) {
  const std::wstring text = L"a" + std::wstring(1, L'\0') + L"\u00E4\u20AC\U0001F600";
  EXPECT_EQ(DecodeUtf8(ToUtf8(text)), text);
  EXPECT_EQ(DecodeUtf8("\xE4\xC3"), L"\uFFFD\uFFFD");
}

}  // namespace
}  // namespace pbw
