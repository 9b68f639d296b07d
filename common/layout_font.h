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

// 8.25-point "MS Sans Serif": every control's face unless its layout names another.
inline constexpr LayoutFont kLayoutFont{L"MS Sans Serif", 165};
inline constexpr LayoutFont kLayoutBoldFont{L"MS Sans Serif", 165, true};

}  // namespace pbw
