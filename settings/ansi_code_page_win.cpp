#include "settings/ansi_code_page_win.h"

#include <string_view>

#include "common/wide_text_win.h"

namespace pbw {

std::optional<std::uint8_t> AnsiCodePage::ByteOf(wchar_t character) const {
  // A character of a double-byte code page has no one-byte form, nor has half a surrogate pair.
  const auto bytes = ToAnsiExactly(std::wstring_view(&character, 1));
  if (!bytes || bytes->size() != 1) return std::nullopt;
  return static_cast<std::uint8_t>((*bytes)[0]);
}

wchar_t AnsiCodePage::CharacterOf(std::uint8_t byte) const {
  const char single = static_cast<char>(byte);
  const std::wstring text = WideFromCodePage(std::string_view(&single, 1), CP_ACP);
  return text.size() == 1 ? text[0] : L'\uFFFD';
}

}  // namespace pbw
