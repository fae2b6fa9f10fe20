#pragma once
// Uniform integers for the draws; the application seeds it unpredictably,
// tests give a fixed seed.

#include <cstdint>

namespace tavelao {

class RandomSource {
 public:
  virtual ~RandomSource() = default;
  // Uniform in [0, bound), bound >= 1, without modulo bias.
  virtual std::uint32_t Below(std::uint32_t bound) = 0;
};

}  // namespace tavelao
