#pragma once
// What a voice said: 16-bit mono PCM samples and their rate.

#include <cstdint>
#include <vector>

namespace tavelao::speech {

struct SpokenAudio {
  std::vector<std::int16_t> samples;
  int sample_rate = 22050;  // samples per second

  double Seconds() const { return sample_rate > 0 ? static_cast<double>(samples.size()) / sample_rate : 0.0; }
};

}  // namespace tavelao::speech
