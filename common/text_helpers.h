#pragma once
// Small helpers on plain text that several subsystems share: ASCII case, blanks, hex digits and
// text that ends at a NUL, as Windows buffers do.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pbw {

// Only a to z change: the texts compared (host names, options, prefixes) are ASCII by their rules.
std::wstring AsciiUpperCase(std::wstring_view text);
bool EqualIgnoringAsciiCase(std::wstring_view a, std::wstring_view b);

// Without the blanks (U+0020, no other white space) at either end.
std::wstring_view TrimSpaces(std::wstring_view text);

// Upper-case hex digits of the value (two's complement when negative), with "0"s in front up to
// `width` characters; a longer text is kept whole.
std::wstring HexPadded(std::int32_t value, std::int32_t width);

// The value in decimal digits, with "-" in front when negative: what std::to_wstring gives, without
// the wide printf that it draws into the program.
std::wstring DecimalText(std::int64_t value);

// 0 to 15 for a hex digit of either case; nothing for any other character.
std::optional<std::uint32_t> HexDigitValue(wchar_t c);

// The part of the text before its first NUL character, or the whole text when it holds none.
template <typename Char>
std::basic_string<Char> CutAtNul(std::basic_string<Char> text) {
  if (const auto nul = text.find(Char{}); nul != std::basic_string<Char>::npos) text.resize(nul);
  return text;
}

}  // namespace pbw
