#include "common/caption_lines.h"

#include <algorithm>

namespace pbw {

std::wstring BreakCaption(std::wstring_view caption, const std::function<bool(std::wstring_view line)>& fits) {
  std::wstring text;
  std::size_t lineStart = 0;
  std::size_t wordStart = 0;
  while (wordStart <= caption.size()) {
    const std::size_t wordEnd = std::min(caption.find(L' ', wordStart), caption.size());
    const std::wstring_view line = std::wstring_view(text).substr(lineStart);
    const std::wstring_view word = caption.substr(wordStart, wordEnd - wordStart);
    if (line.empty()) {
      text += word;
    } else if (const std::wstring longer = std::wstring(line) + L' ' + std::wstring(word); fits(longer)) {
      text += L' ';
      text += word;
    } else {
      text += L"\r\n";
      lineStart = text.size();
      text += word;
    }
    wordStart = wordEnd + 1;
  }
  return text;
}

}  // namespace pbw
