#include "draw/ball_media.h"

#include <algorithm>
#include <cctype>

#include "draw/ball.h"

namespace tavelao::draw {
namespace {

bool SameIgnoringCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

// The file of the folder with that name in any case.
std::optional<std::string> FindFile(const std::filesystem::path& folder, const std::string& name) {
  std::error_code ec;
  if (std::filesystem::is_regular_file(folder / name, ec)) return name;
  for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string found = it->path().filename().string();
    if (SameIgnoringCase(found, name) && it->is_regular_file(ec)) return found;
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> OwnBallSoundFile(const std::filesystem::path& folder, int ball) {
  return FindFile(folder, "sp" + BallLabel(ball) + ".wav");
}

std::string CommonBallSoundFile(const std::filesystem::path& folder) {
  return FindFile(folder, "sompedra.wav").value_or("sompedra.wav");
}

std::optional<std::filesystem::path> BallPictureFile(const std::filesystem::path& folder, int ball) {
  if (auto found = FindFile(folder, "im" + BallLabel(ball) + ".jpg")) return folder / *found;
  return std::nullopt;
}

}  // namespace tavelao::draw
