#include "helplinks/windows_version.h"

#include <gtest/gtest.h>

#include <ostream>

namespace pbw {
namespace {

struct VersionCase {
  WindowsVersionReport report;
  const wchar_t* text;
};

void PrintTo(const VersionCase& c, std::ostream* out) {
  *out << "platform " << c.report.platformId << " " << c.report.major << "." << c.report.minor << " build "
       << c.report.build;
}

class WindowsVersionTest : public ::testing::TestWithParam<VersionCase> {};

TEST_P(WindowsVersionTest, PacksAndWritesMajorMinorBuild) {
  EXPECT_EQ(WindowsVersionText(PackWindowsVersion(GetParam().report)), GetParam().text);
}

constexpr std::uint32_t kWindows98SeBuildField = 4u << 24 | 10u << 16 | 2222u;

INSTANTIATE_TEST_SUITE_P(
    Reports, WindowsVersionTest,
    ::testing::Values(
        // The 95/98/Me family carries major and minor in its build field; the other fields do not count.
        VersionCase{{kWindows9xPlatform, 9, 9, kWindows98SeBuildField}, L"4.10.2222"},
        VersionCase{{2, 5, 1, 2600}, L"5.1.2600"},
        // A build of 32768 or more must not borrow from the minor number.
        VersionCase{{2, 6, 2, 40000}, L"6.2.40000"}, VersionCase{{2, 10, 0, 19045}, L"10.0.19045"},
        // Each field keeps to its own bits.
        VersionCase{{2, 10, 0, 65536 + 7}, L"10.0.7"}, VersionCase{{2, 256 + 6, 256 + 3, 9600}, L"6.3.9600"}));

TEST(WindowsVersion, PacksMajorIntoTheTopByte) {
  EXPECT_EQ(PackWindowsVersion({2, 5, 1, 2600}), 5 * 16777216 + 1 * 65536 + 2600);
}

TEST(WindowsVersion, ReadsTheTopByteUnsigned) {
  // Only the packing keeps the major below 128; the text reads whatever bits it is given.
  EXPECT_EQ(WindowsVersionText(static_cast<std::int32_t>(0xC8010002u)), L"200.1.2");
}

}  // namespace
}  // namespace pbw
