#pragma once
// A WAV file as sox reads it: its length and how loud it is.

#include <filesystem>
#include <optional>
#include <string>

namespace tavelao::testing {

struct SoxReading {
  double seconds = 0;        // sox --i -D
  double rms_amplitude = 0;  // sox FILE -n stat, 0..1
  int sample_rate = 0;       // sox --i -r
  int channels = 0;          // sox --i -c
  int bits = 0;              // sox --i -b
};

// nullopt when sox cannot read the file (or is missing).
std::optional<SoxReading> ReadWithSox(const std::filesystem::path& wav);

}  // namespace tavelao::testing
