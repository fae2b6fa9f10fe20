#include "draw/ball_media.h"

#include "common/folder_files.h"
#include "draw/ball.h"

namespace tavelao::draw {

std::optional<std::string> OwnBallSoundFile(const std::filesystem::path& folder, int ball) {
  return FindFileIgnoringCase(folder, "sp" + BallLabel(ball) + ".wav");
}

std::string CommonBallSoundFile(const std::filesystem::path& folder) {
  return FindFileIgnoringCase(folder, "sompedra.wav").value_or("sompedra.wav");
}

std::optional<std::filesystem::path> BallPictureFile(const std::filesystem::path& folder, int ball) {
  if (auto found = FindFileIgnoringCase(folder, "im" + BallLabel(ball) + ".jpg")) return folder / *found;
  return std::nullopt;
}

}  // namespace tavelao::draw
