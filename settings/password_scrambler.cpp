#include "settings/password_scrambler.h"

#include <algorithm>
#include <cmath>

#include "common/leading_number.h"
#include "common/text_encoding.h"
#include "common/text_helpers.h"

namespace pbw {
namespace {

constexpr std::wstring_view kExtendedMarker = L"UTF8:";
constexpr std::size_t kGroupDigits = 4;
constexpr std::uint32_t kSaltCount = 0x10000;
constexpr std::uint32_t kFillerCount = 0x10;

std::uint8_t Weight(std::uint32_t salt, std::size_t position) {
  const int exponent = static_cast<int>(position % 8);
  // A 16-bit salt always rounds to a number within 32 bits.
  const std::int32_t rounded = *RoundHalfEven32(std::ldexp(static_cast<double>(salt), -exponent));
  return static_cast<std::uint8_t>(rounded & 0xFF);
}

std::wstring HexGroup(std::uint32_t word) {
  return HexPadded(static_cast<std::int32_t>(word), static_cast<std::int32_t>(kGroupDigits));
}

// The group's leading hex digits, either case; a group without any reads as 0.
std::uint32_t ReadHexGroup(std::wstring_view group) {
  std::uint32_t value = 0;
  for (const wchar_t c : group) {
    const auto digit = HexDigitValue(c);
    if (!digit) break;
    value = value * 16 + *digit;
  }
  return value;
}

// The codes held by a classic form. Each group is read by itself, so any text gives some codes.
std::string UnscrambleCodes(std::wstring_view stored) {
  const std::uint32_t salt = ReadHexGroup(stored.substr(stored.size() - std::min(stored.size(), kGroupDigits)));
  std::string codes;
  for (std::size_t start = 0; start + kGroupDigits < stored.size(); start += kGroupDigits) {
    const std::uint32_t word = ReadHexGroup(stored.substr(start, kGroupDigits));
    const auto code = static_cast<std::uint8_t>(((word & 0xFF0) >> 4) ^ Weight(salt, codes.size() + 1));
    codes += static_cast<char>(code);
  }
  return codes;
}

}  // namespace

std::wstring PasswordScrambler::ConvertPassword(std::wstring_view text, bool toStored) {
  return toStored ? Scramble(text) : Unscramble(text);
}

std::wstring PasswordScrambler::Scramble(std::wstring_view password) {
  std::string codes;
  for (const wchar_t c : password) {
    const auto code = codePage_.ByteOf(c);
    // A character that would not come back as itself must not be stored by its code.
    if (!code || codePage_.CharacterOf(*code) != c) {
      return std::wstring(kExtendedMarker) + ScrambleCodes(ToUtf8(password));
    }
    codes += static_cast<char>(*code);
  }
  return ScrambleCodes(codes);
}

std::wstring PasswordScrambler::Unscramble(std::wstring_view stored) const {
  if (stored.starts_with(kExtendedMarker)) {
    // Valid UTF-8 whenever this program wrote it; anything else still decodes to some text.
    return DecodeUtf8(UnscrambleCodes(stored.substr(kExtendedMarker.size())));
  }
  std::wstring password;
  for (const char code : UnscrambleCodes(stored)) password += codePage_.CharacterOf(static_cast<std::uint8_t>(code));
  return password;
}

std::wstring PasswordScrambler::ScrambleCodes(std::string_view codes) {
  const std::uint32_t salt = random_.Below(kSaltCount);
  std::wstring stored;
  for (std::size_t i = 0; i < codes.size(); ++i) {
    const std::uint32_t mixed = static_cast<std::uint8_t>(codes[i]) ^ Weight(salt, i + 1);
    const std::uint32_t high = random_.Below(kFillerCount);
    const std::uint32_t low = random_.Below(kFillerCount);
    stored += HexGroup(high * 4096 + mixed * 16 + low);
  }
  return stored + HexGroup(salt);
}

}  // namespace pbw
