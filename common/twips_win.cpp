#include "common/twips_win.h"

#include "common/unique_handle_win.h"

namespace pbw {
namespace {

struct SystemDpi {
  int x = 96;
  int y = 96;
  SystemDpi() {
    if (const WindowDc screen; screen.get()) {
      x = ::GetDeviceCaps(screen.get(), LOGPIXELSX);
      y = ::GetDeviceCaps(screen.get(), LOGPIXELSY);
    }
  }
};

// The program is system-DPI aware: the DPI cannot change while it runs.
const SystemDpi& Dpi() {
  static const SystemDpi dpi;
  return dpi;
}

}  // namespace

int SystemDpiY() { return Dpi().y; }

int TwipsToPixelsX(int twips) { return TwipsToPixels(twips, Dpi().x); }
int TwipsToPixelsY(int twips) { return TwipsToPixels(twips, Dpi().y); }

RECT TwipsToPixels(const TwipsRect& place) {
  // Both edges are rounded from twips, so neighbouring controls keep their exact gaps.
  return {TwipsToPixelsX(place.left), TwipsToPixelsY(place.top), TwipsToPixelsX(place.left + place.width),
          TwipsToPixelsY(place.top + place.height)};
}

}  // namespace pbw
