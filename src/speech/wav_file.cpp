#include "speech/wav_file.h"

#include <cstring>
#include <fstream>

#include "common/atomic_file.h"

namespace tavelao::speech {
namespace {

void PutLittleEndian(std::string& bytes, std::uint32_t value, int size) {
  for (int i = 0; i < size; ++i) bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

}  // namespace

std::string WavBytes(const SpokenAudio& audio) {
  constexpr std::uint32_t kChannels = 1, kBytesPerSample = 2;
  const auto rate = static_cast<std::uint32_t>(audio.sample_rate);
  const auto data_size = static_cast<std::uint32_t>(audio.samples.size() * kBytesPerSample);
  std::string bytes;
  bytes.reserve(44 + data_size);
  bytes += "RIFF";
  PutLittleEndian(bytes, 36 + data_size, 4);
  bytes += "WAVEfmt ";
  PutLittleEndian(bytes, 16, 4);  // size of the format chunk
  PutLittleEndian(bytes, 1, 2);   // PCM
  PutLittleEndian(bytes, kChannels, 2);
  PutLittleEndian(bytes, rate, 4);
  PutLittleEndian(bytes, rate * kChannels * kBytesPerSample, 4);  // bytes per second
  PutLittleEndian(bytes, kChannels * kBytesPerSample, 2);         // bytes per frame
  PutLittleEndian(bytes, 8 * kBytesPerSample, 2);                 // bits per sample
  bytes += "data";
  PutLittleEndian(bytes, data_size, 4);
  for (const std::int16_t sample : audio.samples) PutLittleEndian(bytes, static_cast<std::uint16_t>(sample), 2);
  return bytes;
}

Status WriteWavFile(const std::filesystem::path& path, const SpokenAudio& audio) {
  return WriteFileAtomically(path, WavBytes(audio));
}

bool IsWavFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  char header[12] = {};
  if (!in.read(header, sizeof header)) return false;
  return std::memcmp(header, "RIFF", 4) == 0 && std::memcmp(header + 8, "WAVE", 4) == 0;
}

}  // namespace tavelao::speech
