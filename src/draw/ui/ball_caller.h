#pragma once
// The voice of the draw: calls a ball or a win aloud without holding up the
// screen. The words are synthesized on a thread of their own into a WAV
// file of a temporary folder, kept per text, and played one call after the
// other: a win waits for the ball before it, while a newer ball replaces a
// ball still waiting its turn. Without a voice it says so once and stays
// silent; the program keeps one caller for its whole run.

#include <QObject>
#include <QString>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <deque>
#include <map>
#include <memory>

#include "draw/ball.h"
#include "speech/espeak_voice.h"

class QSoundEffect;

namespace tavelao::draw {

class BallCaller : public QObject {
  Q_OBJECT

 public:
  explicit BallCaller(speech::VoiceSettings voice = {}, QObject* parent = nullptr);
  ~BallCaller() override;

  // Both return at once, the speaking comes after. "N, quarenta e dois".
  void CallBall(int ball, const TitleLetters& letters);
  // "Bingo! Cartela quarenta e dois".
  void CallWin(int card_number);

  // False from the moment the voice failed.
  bool available() const { return available_; }
  // How many texts went to the engine: a text said again plays its file.
  int synthesized() const { return synthesized_; }

 signals:
  // The WAV of `text` is ready and starts playing.
  void spoken(const QString& text, const QString& wav_path);
  // Once: there is no voice (no engine, no Portuguese voice, no folder for
  // the files); the message says why, in words for the operator.
  void unavailable(const QString& message);

 private:
  struct Call {
    QString text;
    bool ball = false;
  };
  struct Wav {
    QString path;
    int milliseconds = 0;
  };

  void Enqueue(Call call);
  void StartNext();
  void Synthesized(const QString& text, const Wav& wav, const QString& error);
  void Play(const QString& text, const Wav& wav);
  void PlayEnded();
  void GiveUp(const QString& message);

  speech::VoiceSettings voice_;
  QTemporaryDir folder_;
  QThread worker_thread_;
  QObject* worker_ = nullptr;  // lives in worker_thread_: the syntheses run there
  std::unique_ptr<QSoundEffect> effect_;
  // A sound device that never reports the end must not stop the calls.
  QTimer stall_timer_;
  std::deque<Call> queue_;
  std::map<QString, Wav> files_;  // by text
  int next_file_ = 1;
  enum class State { kIdle, kSynthesizing, kPlaying };
  State state_ = State::kIdle;
  bool heard_playing_ = false;
  bool available_ = true;
  int synthesized_ = 0;
};

}  // namespace tavelao::draw
