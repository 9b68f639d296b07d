#include "settings/random_source.h"

namespace pbw {

// The system's random source rather than the clock: two runs in the same clock tick draw other salts
// all the same, and the C++ library's clock would draw a thread library into the program.
SystemSeededRandom::SystemSeededRandom() : engine_(std::random_device{}()) {}

std::uint32_t SystemSeededRandom::Below(std::uint32_t count) {
  return std::uniform_int_distribution<std::uint32_t>(0, count - 1)(engine_);
}

}  // namespace pbw
