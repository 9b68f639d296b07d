#include "about/about_placement.h"

namespace pbw {

Position CenterForm(Extent screen, Extent window) {
  // Integer division truncates towards zero, also for a negative difference.
  return {(screen.width - window.width) / 2, (screen.height - window.height) / 2};
}

bool IsSmallScreen(Extent screenPixels) { return screenPixels.width <= 640 || screenPixels.height <= 480; }

}  // namespace pbw
