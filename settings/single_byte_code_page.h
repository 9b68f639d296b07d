#pragma once
// The system's single-byte (ANSI) code page, one character at a time.

#include <cstdint>
#include <optional>

namespace pbw {

class SingleByteCodePage {
 public:
  virtual ~SingleByteCodePage() = default;
  // The character's one-byte code; nothing when the code page has no exact one-byte form for it.
  virtual std::optional<std::uint8_t> ByteOf(wchar_t character) const = 0;
  // The character a byte stands for; U+FFFD when the byte stands for none on its own.
  virtual wchar_t CharacterOf(std::uint8_t byte) const = 0;
};

}  // namespace pbw
