#pragma once
// Reads a fuzzer's input as a sequence of choices; past its end every byte reads as 0.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

namespace pbw::fuzzing {

class FuzzInput {
 public:
  FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  bool Empty() const { return position_ >= size_; }
  std::uint8_t Byte() { return Empty() ? 0 : data_[position_++]; }
  std::uint32_t Word() {
    std::uint32_t word = 0;
    for (int i = 0; i < 4; ++i) word = word << 8 | Byte();
    return word;
  }
  std::string Bytes(std::size_t count) {
    const std::size_t available = Empty() ? 0 : std::min(count, size_ - position_);
    std::string bytes(reinterpret_cast<const char*>(data_ + position_), available);
    position_ += available;
    return bytes;
  }
  std::string Rest() { return Bytes(size_); }

  // Up to `count` characters: a byte below 0x80 is that character (NUL included); any other byte
  // and the two after it give a code point of any plane. Surrogate code points are moved aside.
  std::wstring Text(std::size_t count) {
    std::wstring text;
    while (text.size() < count && !Empty()) {
      const std::uint8_t first = Byte();
      char32_t cp = first;
      if (first >= 0x80) {
        cp = static_cast<char32_t>(((first & 0x1F) << 16 | Byte() << 8 | Byte()) % 0x110000);
        if (cp >= 0xD800 && cp <= 0xDFFF) cp -= 0x800;
      }
      if (sizeof(wchar_t) == 2 && cp >= 0x10000) {
        text += static_cast<wchar_t>(0xD800 + ((cp - 0x10000) >> 10));
        text += static_cast<wchar_t>(0xDC00 + ((cp - 0x10000) & 0x3FF));
      } else {
        text += static_cast<wchar_t>(cp);
      }
    }
    return text;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t position_ = 0;
};

// Ends the run as a finding when an invariant does not hold.
inline void Require(bool holds) {
  if (!holds) __builtin_trap();
}

}  // namespace pbw::fuzzing
