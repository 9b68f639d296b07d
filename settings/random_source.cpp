#include "settings/random_source.h"

#include <chrono>

namespace pbw {

TimeSeededRandom::TimeSeededRandom()
    : engine_(static_cast<std::mt19937::result_type>(std::chrono::system_clock::now().time_since_epoch().count())) {}

std::uint32_t TimeSeededRandom::Below(std::uint32_t count) {
  return std::uniform_int_distribution<std::uint32_t>(0, count - 1)(engine_);
}

}  // namespace pbw
