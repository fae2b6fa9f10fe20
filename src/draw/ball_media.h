#pragma once
// The optional sound and picture files of a ball in the working directory:
// "sp" + label + ".wav" (or "sompedra.wav") and "im" + label + ".jpg". A
// ball's own sound comes before its spoken call.
// Names are matched without regard to case, as on the system they were made
// for.

#include <filesystem>
#include <optional>
#include <string>

namespace tavelao::draw {

// The ball's own wave file ("sp42.wav"), relative to the folder, when present.
std::optional<std::string> OwnBallSoundFile(const std::filesystem::path& folder, int ball);

// "sompedra.wav" as the folder spells it, for a ball without its own file
// when there is no voice to call it (the player ignores a missing file).
std::string CommonBallSoundFile(const std::filesystem::path& folder);

// The ball's picture, when present.
std::optional<std::filesystem::path> BallPictureFile(const std::filesystem::path& folder, int ball);

}  // namespace tavelao::draw
