#include "draw/ui/picture_panel.h"

#include <QEvent>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>
#include <cmath>

namespace tavelao::draw {

PicturePanel::PicturePanel(QWidget* parent) : QFrame(parent) {
  setObjectName(QStringLiteral("PanelImagem"));
  setFrameShape(QFrame::Box);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(1, 1, 1, 1);
  image_ = new QLabel(this);
  image_->setObjectName(QStringLiteral("Imagem"));
  image_->setScaledContents(true);
  image_->installEventFilter(this);
  layout->addWidget(image_);
  timer_.setSingleShot(true);
  connect(&timer_, &QTimer::timeout, this, &PicturePanel::Advance);
  hide();
}

QRect PicturePanel::StepGeometry(QPoint start, int s) {
  const auto round = [](double v) { return static_cast<int>(std::lround(v)); };
  return {round(start.x() + s * ((34.0 - start.x()) / kSteps)), round(start.y() + s * (-start.y() / double(kSteps))),
          round(48 + s * 67.3), round(48 + s * 47.4)};
}

bool PicturePanel::Play(const QString& file, QPoint start, int delay_ms) {
  Stop();
  QPixmap picture(file);
  if (picture.isNull()) return false;
  image_->setPixmap(picture);
  start_ = start;
  step_ = -1;
  timer_.start(delay_ms);
  return true;
}

void PicturePanel::Advance() {
  ++step_;
  if (step_ == 0) {
    setGeometry(StepGeometry(start_, 0));
    show();
    raise();
    timer_.start(kShownWaitMs);
    return;
  }
  if (step_ <= kSteps) {
    setGeometry(StepGeometry(start_, step_));
    timer_.start(kStepWaitMs);
    return;
  }
  step_ = kIdle;
  emit finished();
}

void PicturePanel::Stop() {
  if (!running()) return;
  timer_.stop();
  step_ = kIdle;
  emit finished();
}

bool PicturePanel::eventFilter(QObject* watched, QEvent* event) {
  if (watched == image_ && event->type() == QEvent::MouseButtonPress) {
    Stop();
    hide();
    return true;
  }
  return QFrame::eventFilter(watched, event);
}

}  // namespace tavelao::draw
