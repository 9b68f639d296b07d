#pragma once
// The password is never stored in clear, but scrambled so that it cannot be read at a glance.
// There is no key: anyone who knows the rule can read it back.
//
// Classic form, for a password of n characters that all have a one-byte code in the ANSI code
// page: 4(n + 1) upper-case hex digits. n groups of four, one per character, then four digits
// holding a 16-bit salt S drawn afresh on every save. A character's group is the 16-bit word
//   bits 15..12 random filler | bits 11..4 code XOR weight | bits 3..0 random filler
// where, for the character at position i = 1, 2, ..., weight is the low byte of S / 2^(i mod 8)
// rounded halves to even (so at positions 8, 16, ... it is the low byte of S itself).
// Readers accept hex digits of either case and stop a group at its first non-hex character.
//
// Extended form, for a password with any character outside the ANSI code page:
//   "UTF8:" followed by the classic form of the password's UTF-8 bytes (byte i in group i).
// The classic form holds hex digits only, so a value beginning with "UTF8:" is never a classic
// one; an older reader takes the extended form for garbage but still reads it without harm.

#include <cstdint>
#include <string>
#include <string_view>

#include "settings/random_source.h"
#include "settings/single_byte_code_page.h"

namespace pbw {

class PasswordScrambler {
 public:
  PasswordScrambler(RandomSource& random, const SingleByteCodePage& codePage) : random_(random), codePage_(codePage) {}

  // toStored: the clear password to its stored form; otherwise a stored form back to the clear
  // password. Any text can be read back: what is not a stored form yields meaningless characters.
  std::wstring ConvertPassword(std::wstring_view text, bool toStored);

 private:
  std::wstring Scramble(std::wstring_view password);
  std::wstring Unscramble(std::wstring_view stored) const;
  std::wstring ScrambleCodes(std::string_view codes);

  RandomSource& random_;
  const SingleByteCodePage& codePage_;
};

}  // namespace pbw
