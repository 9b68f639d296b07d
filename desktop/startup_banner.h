#pragma once
// Which banner the main window shows: the partner's during the first 60 days after the date of
// the program's executable file, the maker's from the 61st day on.

#include <chrono>
#include <optional>

namespace pbw {

// A picture control's place and size in its parent, and the means to change them.
struct PictureRect {
  int top = 0;
  int left = 0;
  int width = 0;
  int height = 0;
};

class BannerPicture {
 public:
  virtual ~BannerPicture() = default;
  virtual PictureRect Rect() const = 0;
  virtual void Hide() = 0;
  virtual void SetTop(int top) = 0;
  virtual void SetLeft(int left) = 0;
  virtual void SetWidth(int width) = 0;
  virtual void SetHeight(int height) = 0;
};

inline constexpr int kPartnerBannerDays = 60;

// Day boundaries crossed from the stamp to now, both in local time; negative for a stamp in the
// future. The times of day play no part.
int CalendarDayAge(std::chrono::local_seconds stamp, std::chrono::local_seconds now);

// `makerBanner` is the maker's own picture (Image1), `partnerBanner` the partner's (Image2).
// Without a known age the maker's banner stays.
void ArrangeBanners(std::optional<int> ageInDays, BannerPicture& makerBanner, BannerPicture& partnerBanner);

}  // namespace pbw
