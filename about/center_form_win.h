#pragma once
// Places top-level windows on the screen.

#include <windows.h>

#include "about/about_placement.h"

namespace pbw {

Extent ScreenPixels();

// Moves `window` to the middle of the screen, keeping its size.
void CenterForm(HWND window);

}  // namespace pbw
