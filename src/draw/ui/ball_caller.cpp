#include "draw/ui/ball_caller.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

#include "app/ui/qt_text.h"
#include "draw/ball_call.h"
#include "speech/wav_file.h"

namespace tavelao::draw {
namespace {

using app::ToQString;

// Past the sound's own length, how long a silent device gets before the
// next call goes on anyway.
constexpr int kStallMarginMs = 1000;

}  // namespace

BallCaller::BallCaller(speech::VoiceSettings voice, QObject* parent)
    : QObject(parent), voice_(std::move(voice)), worker_(new QObject) {
  worker_->moveToThread(&worker_thread_);
  worker_thread_.setObjectName(QStringLiteral("BallCallerVoice"));
  worker_thread_.start();
  stall_timer_.setSingleShot(true);
  connect(&stall_timer_, &QTimer::timeout, this, &BallCaller::PlayEnded);
}

BallCaller::~BallCaller() {
  // A synthesis under way ends first; its answer, posted to this object, is
  // dropped with it.
  worker_thread_.quit();
  worker_thread_.wait();
  delete worker_;
}

void BallCaller::CallBall(int ball, const TitleLetters& letters) {
  Enqueue({ToQString(BallCallText(ball, letters)), true});
}

void BallCaller::CallWin(int card_number) { Enqueue({ToQString(WinCallText(card_number)), false}); }

void BallCaller::Enqueue(Call call) {
  if (!available_) return;
  if (call.ball && !queue_.empty() && queue_.back().ball) {
    queue_.back() = std::move(call);  // that ball was never said; the hall wants the newer one
  } else {
    queue_.push_back(std::move(call));
  }
  StartNext();
}

void BallCaller::StartNext() {
  if (state_ != State::kIdle || queue_.empty() || !available_) return;
  Call call = std::move(queue_.front());
  queue_.pop_front();
  if (const auto cached = files_.find(call.text); cached != files_.end()) {
    Play(call.text, cached->second);
    return;
  }
  if (!folder_.isValid()) {
    GiveUp(
        QStringLiteral("Não foi possível criar a pasta temporária das falas: as pedras não serão chamadas em voz "
                       "alta."));
    return;
  }
  state_ = State::kSynthesizing;
  const QString path = folder_.filePath(QStringLiteral("fala-%1.wav").arg(next_file_++));
  QMetaObject::invokeMethod(
      worker_,
      [this, text = call.text, path, voice = voice_] {
        Wav wav{path, 0};
        QString error;
        const auto audio = speech::Synthesize(app::ToUtf8(text), voice);
        if (!audio) {
          error = ToQString(audio.error());
        } else if (const Status written = speech::WriteWavFile(app::ToPath(path), *audio); !written) {
          error = ToQString(written.error());
        } else {
          wav.milliseconds = static_cast<int>(audio->Seconds() * 1000);
        }
        QMetaObject::invokeMethod(
            this, [this, text, wav, error] { Synthesized(text, wav, error); }, Qt::QueuedConnection);
      },
      Qt::QueuedConnection);
}

void BallCaller::Synthesized(const QString& text, const Wav& wav, const QString& error) {
  if (!error.isEmpty()) {
    GiveUp(error);
    return;
  }
  ++synthesized_;
  files_[text] = wav;
  Play(text, wav);
}

void BallCaller::Play(const QString& text, const Wav& wav) {
  state_ = State::kPlaying;
  emit spoken(text, wav.path);
  if (QMediaDevices::defaultAudioOutput().isNull()) {
    // Nothing to hear it on: the next call need not wait for this one.
    QTimer::singleShot(0, this, &BallCaller::PlayEnded);
    return;
  }
  if (!effect_) {
    effect_ = std::make_unique<QSoundEffect>();
    // Only the end of a sound heard playing: changing the source stops the
    // one before, and that end is not this call's.
    connect(effect_.get(), &QSoundEffect::playingChanged, this, [this] {
      if (effect_->isPlaying()) {
        heard_playing_ = true;
      } else if (heard_playing_) {
        PlayEnded();
      }
    });
    connect(effect_.get(), &QSoundEffect::statusChanged, this, [this] {
      if (effect_->status() == QSoundEffect::Error) PlayEnded();
    });
  }
  stall_timer_.start(wav.milliseconds + kStallMarginMs);
  heard_playing_ = false;
  effect_->setSource(QUrl::fromLocalFile(wav.path));
  effect_->play();
}

void BallCaller::PlayEnded() {
  if (state_ != State::kPlaying) return;  // a late report of a sound already over
  stall_timer_.stop();
  state_ = State::kIdle;
  StartNext();
}

void BallCaller::GiveUp(const QString& message) {
  state_ = State::kIdle;
  queue_.clear();
  if (!available_) return;
  available_ = false;
  emit unavailable(message);
}

}  // namespace tavelao::draw
