#include "draw/seeded_random_source.h"

#include <cassert>
#include <chrono>
#include <limits>

namespace tavelao::draw {

std::unique_ptr<RandomSource> SeededRandomSource::FromClock() {
  std::random_device device;
  const auto wall = static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
  const auto steady = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
  std::seed_seq seed{device(),
                     device(),
                     device(),
                     device(),
                     static_cast<std::uint32_t>(wall),
                     static_cast<std::uint32_t>(wall >> 32),
                     static_cast<std::uint32_t>(steady),
                     static_cast<std::uint32_t>(steady >> 32)};
  return std::make_unique<SeededRandomSource>(seed);
}

std::uint32_t SeededRandomSource::Below(std::uint32_t bound) {
  assert(bound >= 1);
  // The largest multiple of `bound` that fits: values at or above it would
  // favour the small results, so they are drawn again.
  constexpr std::uint64_t kMax = std::numeric_limits<std::uint64_t>::max();
  const std::uint64_t limit = kMax - (kMax % bound + 1) % bound;
  std::uint64_t x;
  do {
    x = engine_();
  } while (x > limit);
  return static_cast<std::uint32_t>(x % bound);
}

}  // namespace tavelao::draw
