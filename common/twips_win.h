#pragma once
// Layouts are in twips; this is the one place where they become pixels at the system DPI.

#include <windows.h>

#include "common/twips.h"

namespace pbw {

// The system's vertical DPI, fixed for the run of the program.
int SystemDpiY();

int TwipsToPixelsX(int twips);
int TwipsToPixelsY(int twips);
RECT TwipsToPixels(const TwipsRect& place);

}  // namespace pbw
