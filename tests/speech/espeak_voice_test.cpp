// The real espeak-ng with its Brazilian voice, as installed by the set-up.

#include "speech/espeak_voice.h"

#include <gtest/gtest.h>

#include <cmath>
#include <thread>
#include <vector>

namespace tavelao::speech {
namespace {

double Rms(const SpokenAudio& audio) {
  double sum = 0;
  for (const std::int16_t s : audio.samples) sum += (s / 32768.0) * (s / 32768.0);
  return audio.samples.empty() ? 0 : std::sqrt(sum / static_cast<double>(audio.samples.size()));
}

TEST(EspeakVoice, SpeaksABallCallAsAudibleSpeechOfAFewSeconds) {
  const auto audio = Synthesize("N, quarenta e dois");
  ASSERT_TRUE(audio.ok()) << audio.error();
  EXPECT_GT(audio->sample_rate, 8000);
  EXPECT_GT(audio->Seconds(), 0.3);
  EXPECT_LT(audio->Seconds(), 3.0);
  EXPECT_GT(Rms(*audio), 0.01) << "speech, not silence";
}

TEST(EspeakVoice, LengthFollowsTheWordsAndTheRate) {
  const auto short_call = Synthesize("B, um");
  const auto win = Synthesize("Bingo! Cartela cento e vinte mil");
  ASSERT_TRUE(short_call.ok() && win.ok());
  EXPECT_GT(win->Seconds(), short_call->Seconds() + 0.5);

  VoiceSettings slow, fast;
  slow.words_per_minute = 100;
  fast.words_per_minute = 220;
  const auto slow_call = Synthesize("G, sessenta e sete", slow);
  const auto fast_call = Synthesize("G, sessenta e sete", fast);
  ASSERT_TRUE(slow_call.ok() && fast_call.ok());
  EXPECT_GT(slow_call->Seconds(), fast_call->Seconds() * 1.5);
}

TEST(EspeakVoice, AccentedTextIsReadAsUtf8) {
  // "três" read byte by byte would come out as more sounds than the word.
  const auto accented = Synthesize("três");
  const auto plain = Synthesize("trez");
  ASSERT_TRUE(accented.ok() && plain.ok());
  EXPECT_NEAR(accented->Seconds(), plain->Seconds(), 0.15);
}

TEST(EspeakVoice, AMissingVoiceIsAMessageAndTheRealVoiceStillSpeaksAfter) {
  VoiceSettings missing;
  missing.voice = "xx-nenhuma";
  const auto refused = Synthesize("B, um", missing);
  ASSERT_FALSE(refused.ok());
  EXPECT_NE(refused.error().find("Não há voz em português"), std::string::npos) << refused.error();
  const auto spoken = Synthesize("B, um");
  ASSERT_TRUE(spoken.ok()) << spoken.error();
  EXPECT_GT(spoken->Seconds(), 0.3);
}

TEST(EspeakVoice, EmptyTextGivesNoSamples) {
  const auto audio = Synthesize("");
  ASSERT_TRUE(audio.ok());
  EXPECT_TRUE(audio->samples.empty());
}

TEST(EspeakVoice, CallsFromSeveralThreadsTakeTurns) {
  // espeak-ng varies a text's length by a few hundredths of a second from one
  // call to the next; samples of two texts mixed up differ by far more.
  const std::string texts[] = {"B, um", "Bingo! Cartela cento e vinte mil"};
  double alone[2] = {};
  for (int t = 0; t < 2; ++t) {
    const auto audio = Synthesize(texts[t]);
    ASSERT_TRUE(audio.ok());
    alone[t] = audio->Seconds();
  }
  std::vector<double> seconds(8);
  std::vector<std::thread> threads;
  for (std::size_t i = 0; i < seconds.size(); ++i) {
    threads.emplace_back([&seconds, &texts, i] {
      const auto audio = Synthesize(texts[i % 2]);
      seconds[i] = audio.ok() ? audio->Seconds() : 0;
    });
  }
  for (auto& t : threads) t.join();
  for (std::size_t i = 0; i < seconds.size(); ++i) {
    EXPECT_NEAR(seconds[i], alone[i % 2], 0.15 * alone[i % 2]) << texts[i % 2] << ": each text spoken whole, alone";
  }
}

}  // namespace
}  // namespace tavelao::speech
