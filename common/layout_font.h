#pragma once
// The fonts the window layouts were drawn for. Their sizes are in twips, like the layouts, so that
// text and controls grow together with the DPI.

#include <string_view>

namespace pbw {

struct LayoutFont {
  std::wstring_view face;
  int heightTwips;  // 20 twips to the point
  bool bold = false;
};

// 8.25-point "Microsoft Sans Serif": every control's face unless its layout names another. It is
// the scalable twin of the bitmap font "MS Sans Serif", with its design and metrics; the bitmap font
// has a few fixed sizes only, and at any scale above 100 % its text would look jagged and small.
inline constexpr LayoutFont kLayoutFont{L"Microsoft Sans Serif", 165};
inline constexpr LayoutFont kLayoutBoldFont{L"Microsoft Sans Serif", 165, true};

}  // namespace pbw
