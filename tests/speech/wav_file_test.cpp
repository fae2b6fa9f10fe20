// WAV files of spoken audio, read back by sox.

#include "speech/wav_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "speech/espeak_voice.h"
#include "support/required_tool.h"
#include "support/sound_checks.h"
#include "support/temp_folder.h"

namespace tavelao::speech {
namespace {

using testing::TempFolder;

TEST(WavFile, SoxReadsTheSpokenCallBackWhole) {
  TAVELAO_REQUIRE_TOOL("sox");
  TempFolder dir;
  const auto audio = Synthesize("I, trinta e três");
  ASSERT_TRUE(audio.ok()) << audio.error();
  ASSERT_TRUE(WriteWavFile(dir / "pedra.wav", *audio).ok());
  const auto read = testing::ReadWithSox(dir / "pedra.wav");
  ASSERT_TRUE(read.has_value());
  EXPECT_EQ(read->sample_rate, audio->sample_rate);
  EXPECT_EQ(read->channels, 1);
  EXPECT_EQ(read->bits, 16);
  EXPECT_NEAR(read->seconds, audio->Seconds(), 0.001);
  EXPECT_GT(read->rms_amplitude, 0.01);
  EXPECT_TRUE(IsWavFile(dir / "pedra.wav"));
  EXPECT_FALSE(std::filesystem::exists(dir / "pedra.wav.tmp"));
}

TEST(WavFile, SamplesKeepTheirSignAndOrder) {
  TAVELAO_REQUIRE_TOOL("sox");
  TempFolder dir;
  SpokenAudio audio;
  audio.sample_rate = 8000;
  audio.samples = {0, 16384, -16384, 32767, -32768, 1, -1, 0};
  ASSERT_TRUE(WriteWavFile(dir / "s.wav", audio).ok());
  // sox reads the samples back as text: one line per sample, scaled to -1..1.
  const std::string dat = (dir / "s.dat").string();
  ASSERT_EQ(std::system(("sox '" + (dir / "s.wav").string() + "' '" + dat + "'").c_str()), 0);
  const std::string text = testing::ReadBytes(dat);
  std::vector<double> values;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    if (line.starts_with(";")) continue;
    double time = 0, value = 0;
    std::istringstream(line) >> time >> value;
    values.push_back(value);
  }
  const std::vector<double> expected = {0, 0.5, -0.5, 32767 / 32768.0, -1, 1 / 32768.0, -1 / 32768.0, 0};
  ASSERT_EQ(values.size(), expected.size()) << text;
  for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_NEAR(values[i], expected[i], 1e-4) << i;
}

TEST(WavFile, AFolderThatCannotBeWrittenIsAMessageAndNoFile) {
  TempFolder dir;
  SpokenAudio audio;
  audio.samples = {1, 2, 3};
  const Status written = WriteWavFile(dir / "nao-existe" / "pedra.wav", audio);
  ASSERT_FALSE(written.ok());
  EXPECT_NE(written.error().find("pedra.wav"), std::string::npos) << written.error();
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST(WavFile, OnlyARiffWaveHeaderIsAWavFile) {
  TempFolder dir;
  testing::WriteBytes(dir / "texto.wav", "não é som");
  testing::WriteBytes(dir / "riff.avi", std::string("RIFF\x10\0\0\0AVI LIST", 16));
  EXPECT_FALSE(IsWavFile(dir / "texto.wav"));
  EXPECT_FALSE(IsWavFile(dir / "riff.avi"));
  EXPECT_FALSE(IsWavFile(dir / "nenhum.wav"));
  testing::WriteBytes(dir / "vazio.wav", WavBytes({}));
  EXPECT_TRUE(IsWavFile(dir / "vazio.wav"));
}

}  // namespace
}  // namespace tavelao::speech
