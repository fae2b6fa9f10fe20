#pragma once
// The wall clock, passed in so that tests can set the time.

#include <chrono>

namespace tavelao {

class Clock {
 public:
  virtual ~Clock() = default;
  virtual std::chrono::system_clock::time_point Now() const = 0;
};

class SystemClock final : public Clock {
 public:
  std::chrono::system_clock::time_point Now() const override { return std::chrono::system_clock::now(); }
};

}  // namespace tavelao
