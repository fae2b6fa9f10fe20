#pragma once
// The Brazilian Portuguese voice of espeak-ng, installed with the system:
// a text in, its samples out, without a sound card.

#include <string>
#include <string_view>

#include "common/result.h"
#include "speech/spoken_audio.h"

namespace tavelao::speech {

// espeak-ng's name of the Brazilian voice (its file is roa/pt-BR).
inline constexpr std::string_view kBrazilianVoice = "pt-br";

struct VoiceSettings {
  std::string voice = std::string(kBrazilianVoice);
  // Somewhat slower and lower than espeak-ng's 175 and 50, so that a number
  // carries across a noisy hall.
  int words_per_minute = 150;
  int pitch = 45;  // 0..100
};

// The UTF-8 text spoken. The engine starts on the first call; a missing
// engine, its data or the voice is an error with the message to show, and
// stays one for the rest of the run (the engine is not retried). Safe to call
// from any thread: calls take turns, as espeak-ng is one per process. An
// empty text gives no samples.
Result<SpokenAudio> Synthesize(std::string_view text, const VoiceSettings& settings = {});

}  // namespace tavelao::speech
