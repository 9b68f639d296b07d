#pragma once
// The system's ANSI code page, as the password's classic stored form uses it.

#include "settings/single_byte_code_page.h"

namespace pbw {

class AnsiCodePage : public SingleByteCodePage {
 public:
  std::optional<std::uint8_t> ByteOf(wchar_t character) const override;
  wchar_t CharacterOf(std::uint8_t byte) const override;
};

}  // namespace pbw
