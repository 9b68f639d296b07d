#include "desktop/startup_banner_win.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <string>

#include "common/unique_handle_win.h"
#include "tests/support/test_files_win.h"

namespace pbw {
namespace {

// A local noon some days before today's local date; noon keeps the date clear of any shift.
FILETIME NoonDaysAgo(int days) {
  using namespace std::chrono;
  SYSTEMTIME now{};
  ::GetLocalTime(&now);
  const year_month_day date{local_days{year{now.wYear} / month{now.wMonth} / day{now.wDay}} - std::chrono::days{days}};
  SYSTEMTIME local{};
  local.wYear = static_cast<WORD>(static_cast<int>(date.year()));
  local.wMonth = static_cast<WORD>(static_cast<unsigned>(date.month()));
  local.wDay = static_cast<WORD>(static_cast<unsigned>(date.day()));
  local.wHour = 12;
  SYSTEMTIME universal{};
  FILETIME stamp{};
  ::TzSpecificLocalTimeToSystemTime(nullptr, &local, &universal);
  ::SystemTimeToFileTime(&universal, &stamp);
  return stamp;
}

RECT RectInParent(HWND window) {
  RECT rect{};
  ::GetWindowRect(window, &rect);
  ::MapWindowPoints(HWND_DESKTOP, ::GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

bool operator==(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

bool IsShown(HWND window) { return (::GetWindowLongW(window, GWL_STYLE) & WS_VISIBLE) != 0; }

class StartupBannerWinTest : public ::testing::Test {
 protected:
  HWND Picture(int x, int y, int width, int height) {
    return ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_NOTIFY, x, y, width, height, window.get(),
                             nullptr, nullptr, nullptr);
  }

  std::wstring FileStampedDaysAgo(int days) {
    std::wstring path = files.Create(L"Wächter 😀.exe");
    UniqueKernelHandle file(
        ::CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    const FILETIME stamp = NoonDaysAgo(days);
    EXPECT_TRUE(::SetFileTime(file.get(), nullptr, nullptr, &stamp));
    return path;
  }

  testing::TestFiles files{L"PBW Banner"};
  UniqueWindow window{::CreateWindowExW(0, L"STATIC", L"PostboxWatchman", WS_OVERLAPPEDWINDOW, 0, 0, 600, 400, nullptr,
                                        nullptr, nullptr, nullptr)};
  HWND image1 = Picture(8, 12, 234, 53);
  HWND image2 = Picture(260, 28, 75, 27);
  const RECT makerPlace = RectInParent(image1);
  const RECT partnerPlace = RectInParent(image2);

  void ExpectPartnerBanner() {
    EXPECT_FALSE(IsShown(image1));
    EXPECT_TRUE(IsShown(image2));
    EXPECT_TRUE(RectInParent(image2) == makerPlace);
  }
  void ExpectMakerBanner() {
    EXPECT_TRUE(IsShown(image1));
    EXPECT_FALSE(IsShown(image2));
    EXPECT_TRUE(RectInParent(image1) == makerPlace);
    EXPECT_TRUE(RectInParent(image2) == partnerPlace);
  }
};

struct StampCase {
  const char* name;
  int daysAgo;
  bool partnerShown;
};

class StartupBannerAgeTest : public StartupBannerWinTest, public ::testing::WithParamInterface<StampCase> {};

TEST_P(StartupBannerAgeTest, ChoosesByTheFilesDate) {
  SelectStartupBannerByAgeOf(FileStampedDaysAgo(GetParam().daysAgo), image1, image2);
  if (GetParam().partnerShown) {
    ExpectPartnerBanner();
  } else {
    ExpectMakerBanner();
  }
}

INSTANTIATE_TEST_SUITE_P(Stamps, StartupBannerAgeTest,
                         ::testing::Values(StampCase{"Today", 0, true}, StampCase{"ThirtyDays", 30, true},
                                           StampCase{"Future", -3, true}, StampCase{"NinetyDays", 90, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(StartupBannerWinTest, AnUnreadableStampShowsTheMaker) {
  SelectStartupBannerByAgeOf(files.PathOf(L"Fehlt.exe"), image1, image2);
  ExpectMakerBanner();
}

TEST_F(StartupBannerWinTest, TheRunningProgramIsFoundUnderItsUpperCaseName) {
  // This test program was built moments ago: the partner's days.
  SelectStartupBanner(image1, image2);
  ExpectPartnerBanner();
}

}  // namespace
}  // namespace pbw
