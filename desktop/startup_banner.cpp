#include "desktop/startup_banner.h"

namespace pbw {

int CalendarDayAge(std::chrono::local_seconds stamp, std::chrono::local_seconds now) {
  using std::chrono::days;
  using std::chrono::floor;
  return static_cast<int>((floor<days>(now) - floor<days>(stamp)).count());
}

void ArrangeBanners(std::optional<int> ageInDays, BannerPicture& makerBanner, BannerPicture& partnerBanner) {
  if (!ageInDays || *ageInDays > kPartnerBannerDays) {
    partnerBanner.Hide();
    return;
  }
  makerBanner.Hide();
  // The partner's banner takes the maker's place and size, whatever its own layout says.
  const PictureRect place = makerBanner.Rect();
  partnerBanner.SetTop(place.top);
  partnerBanner.SetLeft(place.left);
  partnerBanner.SetWidth(place.width);
  partnerBanner.SetHeight(place.height);
}

}  // namespace pbw
