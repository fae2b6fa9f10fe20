#include "speech/espeak_voice.h"

#include <espeak-ng/espeak_ng.h>
#include <espeak-ng/speak_lib.h>

#include <mutex>
#include <optional>

namespace tavelao::speech {
namespace {

constexpr std::string_view kNoEngine =
    "A voz do computador (espeak-ng) não pôde ser iniciada: seus dados não foram encontrados "
    "(instale o pacote espeak-ng-data). As pedras não serão chamadas em voz alta.";

std::string NoVoice(const std::string& voice) {
  return "Não há voz em português para chamar as pedras (a voz \"" + voice +
         "\" do espeak-ng não foi encontrada; instale o pacote espeak-ng-data).";
}

// espeak-ng keeps one synthesizer per process; everything below is touched
// only with this held.
std::mutex engine_mutex;
std::optional<Status> engine_started;  // set by the first call, for good
std::string current_voice;
int sample_rate = 0;

// Called by espeak-ng, during espeak_ng_Synthesize, with each stretch of
// samples; the text's samples vector rides along as user data.
int CollectSamples(short* wav, int count, espeak_EVENT* events) {
  auto* samples = static_cast<std::vector<std::int16_t>*>(events ? events->user_data : nullptr);
  if (samples && wav && count > 0) samples->insert(samples->end(), wav, wav + count);
  return 0;  // go on
}

Status StartEngine() {
  espeak_ng_InitializePath(nullptr);  // the installed data, or ESPEAK_DATA_PATH
  espeak_ng_ERROR_CONTEXT context = nullptr;
  const espeak_ng_STATUS started = espeak_ng_Initialize(&context);
  espeak_ng_ClearErrorContext(&context);
  if (started != ENS_OK) return Fail(std::string(kNoEngine));
  // Synchronous: samples come back to us and no sound device is opened.
  if (espeak_ng_InitializeOutput(ENOUTPUT_MODE_SYNCHRONOUS, 0, nullptr) != ENS_OK) return Fail(std::string(kNoEngine));
  sample_rate = espeak_ng_GetSampleRate();
  if (sample_rate <= 0) return Fail(std::string(kNoEngine));
  espeak_SetSynthCallback(CollectSamples);
  return {};
}

}  // namespace

Result<SpokenAudio> Synthesize(std::string_view text, const VoiceSettings& settings) {
  std::lock_guard lock(engine_mutex);
  if (!engine_started) engine_started = StartEngine();
  if (!*engine_started) return Fail(engine_started->error());

  // Loading a voice reads its files again: only when it changes.
  if (settings.voice != current_voice) {
    current_voice.clear();
    if (espeak_ng_SetVoiceByName(settings.voice.c_str()) != ENS_OK) return Fail(NoVoice(settings.voice));
    current_voice = settings.voice;
  }
  espeak_ng_SetParameter(espeakRATE, settings.words_per_minute, 0);
  espeak_ng_SetParameter(espeakPITCH, settings.pitch, 0);

  SpokenAudio audio;
  audio.sample_rate = sample_rate;
  if (text.empty()) return audio;
  const std::string terminated(text);  // espeak-ng reads up to the NUL
  const espeak_ng_STATUS spoken = espeak_ng_Synthesize(terminated.c_str(), terminated.size() + 1, 0, POS_CHARACTER, 0,
                                                       espeakCHARS_UTF8, nullptr, &audio.samples);
  espeak_ng_Synchronize();
  if (spoken != ENS_OK) return Fail("A voz não conseguiu falar \"" + terminated + "\".");
  return audio;
}

}  // namespace tavelao::speech
