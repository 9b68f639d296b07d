#pragma once
// Layout fonts as GDI fonts.

#include <windows.h>

#include "common/layout_font.h"
#include "common/unique_handle_win.h"

namespace pbw {

// The font at `dotsPerInch`; the character height is the layout's, rounded to whole pixels.
LOGFONTW LayoutLogFont(const LayoutFont& font, int dotsPerInch);

// The font at the system DPI, the one the layouts are turned into pixels at.
UniqueFont CreateLayoutFont(const LayoutFont& font);

}  // namespace pbw
