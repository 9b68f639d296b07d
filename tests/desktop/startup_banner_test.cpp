#include "desktop/startup_banner.h"

#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace pbw {
namespace {

using namespace std::chrono;

constexpr local_seconds At(year_month_day date, hours hour, minutes minute = minutes{0}) {
  return local_days{date} + hour + minute;
}

struct AgeCase {
  const char* name;
  local_seconds stamp;
  local_seconds now;
  int age;
};

class CalendarDayAgeTest : public ::testing::TestWithParam<AgeCase> {};

TEST_P(CalendarDayAgeTest, CountsDayBoundariesOnly) {
  EXPECT_EQ(CalendarDayAge(GetParam().stamp, GetParam().now), GetParam().age);
}

INSTANTIATE_TEST_SUITE_P(
    Dates, CalendarDayAgeTest,
    ::testing::Values(AgeCase{"SixtyDays", At(2024y / May / 2, 18h), At(2024y / July / 1, 9h), 60},
                      AgeCase{"SixtyOneDays", At(2024y / May / 1, 9h), At(2024y / July / 1, 18h), 61},
                      AgeCase{"Today", At(2024y / July / 1, 23h, 59min), At(2024y / July / 1, 0h), 0},
                      AgeCase{"Tomorrow", At(2024y / July / 2, 0h), At(2024y / July / 1, 23h, 59min), -1},
                      AgeCase{"LateYesterdaySeenEarlyToday", At(2024y / June / 30, 23h, 59min),
                              At(2024y / July / 1, 0h, 1min), 1},
                      AgeCase{"AcrossAMonthEnd", At(2024y / April / 30, 12h), At(2024y / May / 1, 12h), 1},
                      AgeCase{"AcrossAYearEnd", At(2023y / November / 2, 8h), At(2024y / January / 1, 8h), 60},
                      AgeCase{"OverALeapDay", At(2024y / February / 28, 12h), At(2024y / March / 1, 12h), 2},
                      AgeCase{"WithoutALeapDay", At(2023y / February / 28, 12h), At(2023y / March / 1, 12h), 1},
                      AgeCase{"FromTheLeapDay", At(2024y / February / 29, 12h), At(2024y / April / 29, 12h), 60}),
    [](const auto& info) { return std::string(info.param.name); });

// Records every change, so the order of the changes can be checked across both pictures.
class PictureStandIn : public BannerPicture {
 public:
  PictureStandIn(std::string name, PictureRect rect, std::vector<std::string>& log)
      : name_(std::move(name)), rect_(rect), log_(log) {}

  PictureRect Rect() const override { return rect_; }
  void Hide() override { log_.push_back(name_ + " hidden"); }
  void SetTop(int top) override { log_.push_back(name_ + " top " + std::to_string(top)); }
  void SetLeft(int left) override { log_.push_back(name_ + " left " + std::to_string(left)); }
  void SetWidth(int width) override { log_.push_back(name_ + " width " + std::to_string(width)); }
  void SetHeight(int height) override { log_.push_back(name_ + " height " + std::to_string(height)); }

 private:
  std::string name_;
  PictureRect rect_;
  std::vector<std::string>& log_;
};

struct BannerCase {
  const char* name;
  std::optional<int> age;
  std::vector<std::string> changes;
};

const std::vector<std::string> kPartnerShown = {"Image1 hidden", "Image2 top 12", "Image2 left 8", "Image2 width 234",
                                                "Image2 height 53"};
const std::vector<std::string> kMakerShown = {"Image2 hidden"};

class ArrangeBannersTest : public ::testing::TestWithParam<BannerCase> {};

TEST_P(ArrangeBannersTest, ShowsOneBannerInTheMakersPlace) {
  std::vector<std::string> log;
  PictureStandIn image1("Image1", {12, 8, 234, 53}, log);
  PictureStandIn image2("Image2", {28, 260, 75, 27}, log);
  ArrangeBanners(GetParam().age, image1, image2);
  EXPECT_EQ(log, GetParam().changes);
}

INSTANTIATE_TEST_SUITE_P(Ages, ArrangeBannersTest,
                         ::testing::Values(BannerCase{"Today", 0, kPartnerShown},
                                           BannerCase{"SixtyDays", 60, kPartnerShown},
                                           BannerCase{"Future", -3, kPartnerShown},
                                           BannerCase{"SixtyOneDays", 61, kMakerShown},
                                           BannerCase{"Unknown", std::nullopt, kMakerShown}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace pbw
