#pragma once
// tavelao-cli has no speaker: the sounds the core asks for are not played.

#include <string>

#include "common/sounds.h"

namespace tavelao::cli {

class SilentSounds : public Sounds {
 public:
  void Play(const std::string&) override {}
};

}  // namespace tavelao::cli
