#include "editors/ui/drag_handle.h"

#include <QMouseEvent>

#include "editors/frame_editor_variants.h"

namespace tavelao::editors {

DragHandle::DragHandle(const QString& caption, const QString& name, QSize size, const QWidget* page, QWidget* parent)
    : QPushButton(caption, parent), page_(page) {
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
  if (shift.isNull()) return;
  const QRect page = page_->geometry();
  const QPoint wanted = pos() + shift - page.topLeft();
  const HandlePosition at = ClampToPanel({wanted.x(), wanted.y()}, {width(), height()}, {page.width(), page.height()});
  move(page.topLeft() + QPoint(at.left, at.top));
}

}  // namespace tavelao::editors
