#include "about/about_text.h"

#include <gtest/gtest.h>

namespace pbw {
namespace {

constexpr ProgramVersion kVersion11a{1, 1, 102};

TEST(AboutText, ComposesProductMakerAndWebSiteLinesWithLoneCarriageReturns) {
  EXPECT_EQ(AboutText(2026, kVersion11a),
            L"PostboxWatchman (V1.1a) \u2013 Ihr automatischer eMail-W\u00e4chter\r\r"
            L"Copyright \u00a9 2001\u20132026 Trelvik Software. Sie erreichen mich per E-Mail unter "
            L"support@trelvik.example.\r\r"
            L"Verbesserungsvorschl\u00e4ge sind mir immer gern willkommen. Weitere interessante Tools und Infos "
            L"finden Sie auf meiner Web-Site unter WWW.TRELVIK.EXAMPLE");
}

TEST(AboutText, FollowsTheYearAndTheVersion) {
  const std::wstring text = AboutText(2031, {2, 0, 99});
  EXPECT_EQ(text.rfind(L"PostboxWatchman (V2.0) \u2013 ", 0), 0u);
  EXPECT_NE(text.find(L"2001\u20132031 "), std::wstring::npos);
  EXPECT_EQ(text.find(L'\n'), std::wstring::npos);
}

TEST(SupportMailAddress, PutsVersionAndWindowsIntoTheSubjectUnescaped) {
  EXPECT_EQ(SupportMailAddress(L"5.1.2600", kVersion11a),
            L"mailto:support@trelvik.example?subject=PostboxWatchman (V1.1a) unter Windows 5.1.2600");
  EXPECT_EQ(SupportMailAddress(L"10.0.19045", {1, 2, 250}),
            L"mailto:support@trelvik.example?subject=PostboxWatchman (V1.2b) unter Windows 10.0.19045");
}

TEST(SupportMailAddress, OfThisProgramCarriesItsOwnVersionLabel) {
  EXPECT_EQ(SupportMailAddress(L"6.1.7601"),
            L"mailto:support@trelvik.example?subject=PostboxWatchman (V1.1a) unter Windows 6.1.7601");
}

}  // namespace
}  // namespace pbw
