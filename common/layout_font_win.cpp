#include "common/layout_font_win.h"

#include <algorithm>

#include "common/caption_lines.h"
#include "common/twips.h"
#include "common/twips_win.h"

namespace pbw {

LOGFONTW LayoutLogFont(const LayoutFont& font, int dotsPerInch) {
  LOGFONTW logFont{};
  logFont.lfHeight = -TwipsToPixels(font.heightTwips, dotsPerInch);
  logFont.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
  logFont.lfCharSet = DEFAULT_CHARSET;
  logFont.lfPitchAndFamily = DEFAULT_PITCH | FF_SWISS;
  const std::size_t length = std::min<std::size_t>(font.face.size(), LF_FACESIZE - 1);
  std::copy_n(font.face.begin(), length, logFont.lfFaceName);
  return logFont;
}

UniqueFont CreateLayoutFont(const LayoutFont& font) {
  const LOGFONTW logFont = LayoutLogFont(font, SystemDpiY());
  return UniqueFont(::CreateFontIndirectW(&logFont));
}

std::wstring BreakCaptionToWidth(HDC dc, std::wstring_view caption, int width) {
  return BreakCaption(caption, [dc, width](std::wstring_view line) {
    RECT needed{0, 0, 0, 0};
    ::DrawTextW(dc, line.data(), static_cast<int>(line.size()), &needed, DT_CALCRECT | DT_SINGLELINE);
    return needed.right <= width;
  });
}

}  // namespace pbw
