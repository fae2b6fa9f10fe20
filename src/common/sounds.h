#pragma once
// Wave files of the working directory played without waiting; a missing
// file or a failed playback is silent.

#include <string>

namespace tavelao {

class Sounds {
 public:
  virtual ~Sounds() = default;
  // `file_name` is relative to the working directory ("beep.wav").
  virtual void Play(const std::string& file_name) = 0;
};

}  // namespace tavelao
