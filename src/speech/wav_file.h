#pragma once
// Spoken audio as a canonical RIFF WAV file: PCM, 16 bits, mono.

#include <filesystem>
#include <string>

#include "common/result.h"
#include "speech/spoken_audio.h"

namespace tavelao::speech {

// The whole file: the 44-byte header, then the samples little-endian.
std::string WavBytes(const SpokenAudio& audio);

// Written under a temporary name and renamed when complete, so a failed
// write never leaves half a file under `path`.
Status WriteWavFile(const std::filesystem::path& path, const SpokenAudio& audio);

// Whether the file starts as a RIFF WAV file does.
bool IsWavFile(const std::filesystem::path& path);

}  // namespace tavelao::speech
