#pragma once
// Shows a picture in a STATIC control, stretched to the control's rectangle.

#include <windows.h>

#include <functional>
#include <string>

#include "common/unique_handle_win.h"

namespace pbw {

// Makes `control` show `picture` stretched over its whole client area (halftone, so a reduced
// picture stays smooth). The control shows `tooltip` while the mouse rests on it (no tooltip when
// empty) and `pointer` while the mouse is over it (its class's pointer when null); a click tells its
// parent STN_CLICKED. The control owns the picture from now on and frees it, and the tooltip, when
// it is destroyed; a second call replaces all three. `pointer` is not owned: a shared cursor from
// LoadCursorW fits.
void MakeStretchedPicture(HWND control, UniqueBitmap picture, HCURSOR pointer, const std::wstring& tooltip);

// Decodes a picture; an empty result shows nothing.
using PictureSource = std::function<UniqueBitmap()>;

// The same for a picture that is decoded only when the control is first painted: a window that
// starts hidden pays for its pictures when it is first shown.
void MakeStretchedPicture(HWND control, PictureSource decode, HCURSOR pointer, const std::wstring& tooltip);

}  // namespace pbw
