#pragma once
// Layouts are in twips; this is the one place where they become pixels at the system DPI.

#include <windows.h>

namespace pbw {

int TwipsToPixelsX(int twips);
int TwipsToPixelsY(int twips);
RECT TwipsToPixels(int left, int top, int width, int height);

}  // namespace pbw
