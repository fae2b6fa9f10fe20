#pragma once
// PanelImagem: the picture of a ball ("im" + label + ".jpg" in `Imagem`),
// grown from the ball's panel to 721×522 at left 34, top 0 in ten steps.
// The waits run on a timer so that the board keeps painting; the draw screen
// holds ball input from start() to finished().

#include <QFrame>
#include <QRect>
#include <QTimer>

class QLabel;

namespace tavelao::draw {

class PicturePanel : public QFrame {
  Q_OBJECT

 public:
  static constexpr int kElectronicDelayMs = 864;  // 1e-5 day, electronic draw only
  static constexpr int kShownWaitMs = 259;        // 3e-6 day
  static constexpr int kStepWaitMs = 43;          // 5e-7 day
  static constexpr int kSteps = 10;

  explicit PicturePanel(QWidget* parent = nullptr);

  // Loads the picture and animates it from `start` (48×48, in the parent's
  // coordinates) after `delay_ms`; false, and nothing shown, when the file
  // cannot be read.
  bool Play(const QString& file, QPoint start, int delay_ms);
  bool running() const { return step_ != kIdle; }

  // The geometry of step s = 0..10.
  static QRect StepGeometry(QPoint start, int step);

 signals:
  void finished();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  static constexpr int kIdle = -2;
  void Advance();
  void Stop();

  QLabel* image_ = nullptr;
  QTimer timer_;
  QPoint start_;
  int step_ = kIdle;  // -1 waiting to show, 0 shown, 1..10 growing
};

}  // namespace tavelao::draw
