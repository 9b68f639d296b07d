#include "common/leading_number.h"

#include <cmath>

namespace pbw {

double LeadingNumber(std::wstring_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == L' ' || text[i] == L'\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) negative = text[i++] == L'-';

  double value = 0;
  for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) value = value * 10 + (text[i] - L'0');
  if (i < text.size() && text[i] == L'.') {
    double scale = 0.1;
    for (++i; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i, scale /= 10)
      value += (text[i] - L'0') * scale;
  }
  return negative ? -value : value;
}

std::optional<std::int32_t> RoundHalfEven32(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  const double rounded = value - std::floor(value) == 0.5 ? 2 * std::round(value / 2) : std::round(value);
  if (rounded < -2147483648.0 || rounded > 2147483647.0) return std::nullopt;
  return static_cast<std::int32_t>(rounded);
}

}  // namespace pbw
