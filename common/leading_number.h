#pragma once
// Numbers kept as text (stored settings, list entries) are read by their leading number.

#include <cstdint>
#include <optional>
#include <string_view>

namespace pbw {

// The leading decimal number of a text: blanks skipped, an optional sign, digits and a fraction.
// A text that does not begin with a number reads as 0.
double LeadingNumber(std::wstring_view text);

// Rounded to a whole number, halves to the even neighbour (2.5 gives 2, 3.5 gives 4);
// nothing when the result lies outside the signed 32-bit range.
std::optional<std::int32_t> RoundHalfEven32(double value);

}  // namespace pbw
