#pragma once
// Layout fonts as GDI fonts.

#include <windows.h>

#include <string>
#include <string_view>

#include "common/layout_font.h"
#include "common/unique_handle_win.h"

namespace pbw {

// The font at `dotsPerInch`; the character height is the layout's, rounded to whole pixels.
LOGFONTW LayoutLogFont(const LayoutFont& font, int dotsPerInch);

// The font at the system DPI, the one the layouts are turned into pixels at.
UniqueFont CreateLayoutFont(const LayoutFont& font);

// What a push button keeps for itself on each side of its text, in pixels at 96 DPI: its raised
// edge and the default button's frame.
inline constexpr int kPushButtonTextInset = 3;

// The caption in lines (BreakCaption) that each fit `width` pixels in the font selected into `dc`,
// measured as a control draws them, an access key's "&" included.
std::wstring BreakCaptionToWidth(HDC dc, std::wstring_view caption, int width);

}  // namespace pbw
