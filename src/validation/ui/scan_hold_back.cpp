#include "validation/ui/scan_hold_back.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace tavelao::validation {

ScanHoldBack::ScanHoldBack(std::function<void()> held) : held_(std::move(held)) {
  QCoreApplication::instance()->installEventFilter(this);
}

ScanHoldBack::~ScanHoldBack() { QCoreApplication::instance()->removeEventFilter(this); }

ScanHoldBack::Held ScanHoldBack::Take() {
  Held held{std::move(scans_), std::move(typing_)};
  scans_.clear();
  typing_.clear();
  return held;
}

bool ScanHoldBack::eventFilter(QObject* watched, QEvent* event) {
  // A key the box ignores travels on to its parents and comes by again;
  // held keys end at the first pass.
  if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) return false;
  if (!watched->isWidgetType()) return false;
  auto* key = static_cast<QKeyEvent*>(event);
  const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
  const QString text = key->text();
  const bool digit = text.size() == 1 && text.front().isDigit();
  if (event->type() == QEvent::KeyRelease) return digit;
  if (digit) {
    typing_ += text;
    return true;
  }
  if (enter && !typing_.isEmpty()) {
    scans_ << typing_;
    typing_.clear();
    if (held_) held_();
    return true;
  }
  return false;
}

}  // namespace tavelao::validation
