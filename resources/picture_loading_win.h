#pragma once
// Loads the pictures that the program carries as resources.

#include <windows.h>

#include "common/unique_handle_win.h"

namespace pbw {

// A JPEG stored as RCDATA, decoded by the platform's imaging codecs into a 32-bit DIB section.
// Empty when there is no such resource or its bytes are no picture the codecs can read.
UniqueBitmap LoadJpegResource(HINSTANCE instance, int id);

// An icon at `size` pixels square: the icon's frame of that size, or the system's scaling of the
// nearest one when it has none. Empty when there is no such resource.
UniqueIcon LoadIconResource(HINSTANCE instance, int id, int size);

// A BMP stored as BITMAP, as a DIB section that keeps its own colour depth and palette.
// Empty when there is no such resource.
UniqueBitmap LoadBitmapResource(HINSTANCE instance, int id);

}  // namespace pbw
