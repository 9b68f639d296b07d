#pragma once
// Random numbers for the password's salt and filler bits.

#include <cstdint>
#include <random>

namespace pbw {

class RandomSource {
 public:
  virtual ~RandomSource() = default;
  // A whole number from 0 to count - 1, each equally likely.
  virtual std::uint32_t Below(std::uint32_t count) = 0;
};

// Seeded from the system's random source when made, so that each run draws other salts.
class SystemSeededRandom : public RandomSource {
 public:
  SystemSeededRandom();
  std::uint32_t Below(std::uint32_t count) override;

 private:
  std::mt19937 engine_;
};

}  // namespace pbw
