#include "common/text_helpers.h"

#include <algorithm>

namespace pbw {
namespace {

wchar_t AsciiUpper(wchar_t c) { return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - L'a' + L'A') : c; }

}  // namespace

std::wstring AsciiUpperCase(std::wstring_view text) {
  std::wstring upper(text);
  std::transform(upper.begin(), upper.end(), upper.begin(), AsciiUpper);
  return upper;
}

bool EqualIgnoringAsciiCase(std::wstring_view a, std::wstring_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](wchar_t x, wchar_t y) { return AsciiUpper(x) == AsciiUpper(y); });
}

std::wstring_view TrimSpaces(std::wstring_view text) {
  const auto first = text.find_first_not_of(L' ');
  if (first == std::wstring_view::npos) return {};
  return text.substr(first, text.find_last_not_of(L' ') - first + 1);
}

std::wstring DecimalText(std::int64_t value) {
  // Counted in the unsigned type: the most negative value has no positive counterpart.
  std::uint64_t magnitude = value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
  std::wstring text;
  do {
    text.insert(text.begin(), static_cast<wchar_t>(L'0' + magnitude % 10));
    magnitude /= 10;
  } while (magnitude != 0);
  if (value < 0) text.insert(text.begin(), L'-');
  return text;
}

std::wstring HexPadded(std::int32_t value, std::int32_t width) {
  static constexpr std::wstring_view kDigits = L"0123456789ABCDEF";
  auto bits = static_cast<std::uint32_t>(value);
  std::wstring text;
  do {
    text.insert(text.begin(), kDigits[bits & 0xF]);
    bits >>= 4;
  } while (bits != 0);
  const auto wanted = static_cast<std::size_t>(width > 0 ? width : 0);
  if (text.size() < wanted) text.insert(0, wanted - text.size(), L'0');
  return text;
}

std::optional<std::uint32_t> HexDigitValue(wchar_t c) {
  if (c >= L'0' && c <= L'9') return static_cast<std::uint32_t>(c - L'0');
  if (c >= L'A' && c <= L'F') return static_cast<std::uint32_t>(c - L'A' + 10);
  if (c >= L'a' && c <= L'f') return static_cast<std::uint32_t>(c - L'a' + 10);
  return std::nullopt;
}

}  // namespace pbw
