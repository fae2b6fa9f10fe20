#pragma once
// The generator of the electronic draw: a 64-bit Mersenne twister, uniform
// below any bound by rejecting the incomplete top range (no modulo bias).

#include <cstdint>
#include <memory>
#include <random>

#include "common/random_source.h"

namespace tavelao::draw {

class SeededRandomSource : public RandomSource {
 public:
  explicit SeededRandomSource(std::uint64_t seed) : engine_(seed) {}
  explicit SeededRandomSource(std::seed_seq& seed) : engine_(seed) {}

  // Seeded from std::random_device mixed with the clock; every electronic
  // draw starts with a new one.
  static std::unique_ptr<RandomSource> FromClock();

  std::uint32_t Below(std::uint32_t bound) override;

 private:
  std::mt19937_64 engine_;
};

}  // namespace tavelao::draw
