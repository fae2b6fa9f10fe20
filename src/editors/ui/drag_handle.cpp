#include "editors/ui/drag_handle.h"

#include <QMouseEvent>

namespace tavelao::editors {

DragHandle::DragHandle(const QString& caption, const QString& name, QSize size, QWidget* parent)
    : QPushButton(caption, parent) {
  setObjectName(name);
  setFixedSize(size);
  setCursor(Qt::SizeAllCursor);
  setFocusPolicy(Qt::NoFocus);
}

void DragHandle::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  raise();
  grabMouse();
  dragging_ = true;
  press_ = event->position().toPoint();
  event->accept();
}

void DragHandle::mouseMoveEvent(QMouseEvent* event) {
  if (!dragging_) return;
  ShiftTo(event->position().toPoint());
  event->accept();
}

void DragHandle::mouseReleaseEvent(QMouseEvent* event) {
  if (!dragging_ || event->button() != Qt::LeftButton) return;
  ShiftTo(event->position().toPoint());
  dragging_ = false;
  releaseMouse();
  event->accept();
  emit moved();
}

void DragHandle::ShiftTo(QPoint local) {
  const QPoint shift = local - press_;
  if (!shift.isNull()) move(pos() + shift);
}

}  // namespace tavelao::editors
