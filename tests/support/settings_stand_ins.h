#pragma once
// Stand-ins for the settings store's surroundings, and random numbers given in advance.

#include <gtest/gtest.h>

#include <cstdint>
#include <deque>

#include "settings/random_source.h"
#include "tests/support/plain_settings_stand_ins.h"

namespace pbw::testing {

// Hands out the given numbers in order, then zeros.
class QueuedRandom : public RandomSource {
 public:
  QueuedRandom(std::initializer_list<std::uint32_t> numbers) : numbers_(numbers) {}
  std::uint32_t Below(std::uint32_t count) override {
    if (numbers_.empty()) return 0;
    const std::uint32_t next = numbers_.front();
    numbers_.pop_front();
    EXPECT_LT(next, count);
    return next;
  }

 private:
  std::deque<std::uint32_t> numbers_;
};

}  // namespace pbw::testing
