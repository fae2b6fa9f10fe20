#pragma once
// The optional sound and picture files of a ball in the working directory:
// "sp" + label + ".wav" (or "sompedra.wav") and "im" + label + ".jpg".
// Names are matched without regard to case, as on the system they were made
// for.

#include <filesystem>
#include <optional>
#include <string>

namespace tavelao::draw {

// The wave file to play for the ball, relative to the folder: its own when
// present, else "sompedra.wav" (whose absence the player ignores).
std::string BallSoundFile(const std::filesystem::path& folder, int ball);

// The ball's picture, when present.
std::optional<std::filesystem::path> BallPictureFile(const std::filesystem::path& folder, int ball);

// Whether the ball sounds are installed ("SP02.WAV"); `CheckSom` offers the
// download when they are not.
bool BallSoundsInstalled(const std::filesystem::path& folder);

}  // namespace tavelao::draw
