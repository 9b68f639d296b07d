#pragma once
// Where the About dialog opens: centred, or in the corner of a small screen.

#include <windows.h>

namespace pbw {

struct Extent {
  int width = 0;
  int height = 0;
};

struct Position {
  int left = 0;
  int top = 0;
};

// Half the free space on each side; an odd difference loses its remainder (towards zero when the
// window is larger than the screen).
Position CenterForm(Extent screen, Extent window);

// 640 or fewer pixels across, or 480 or fewer down: the dialog then opens at the top-left corner.
bool IsSmallScreen(Extent screenPixels);

Extent ScreenPixels();

// Moves `window` to the middle of the screen, keeping its size.
void CenterForm(HWND window);

}  // namespace pbw
