#pragma once
// Wave files of the working directory played without waiting.

#include <QString>
#include <filesystem>
#include <map>
#include <memory>

#include "common/sounds.h"

class QSoundEffect;

namespace tavelao::app {

class QtSounds : public Sounds {
 public:
  explicit QtSounds(std::filesystem::path folder);
  ~QtSounds() override;

  // A missing file plays nothing and says nothing.
  void Play(const std::string& file_name) override;

 private:
  std::filesystem::path folder_;
  // One effect per file, kept so that a sound is not cut off while playing.
  std::map<std::string, std::unique_ptr<QSoundEffect>> effects_;
};

}  // namespace tavelao::app
