#pragma once
// A button of the page panel that the organiser drags: on press it comes to
// the front and captures the mouse, every move shifts it by the distance
// from the press point, and release ends the capture. It stays whole on the
// page panel, so one dragged past its edge can still be taken back.

#include <QPoint>
#include <QPushButton>

namespace tavelao::editors {

class DragHandle : public QPushButton {
  Q_OBJECT

 public:
  // `page` is the page panel, a sibling in `parent`.
  DragHandle(const QString& caption, const QString& name, QSize size, const QWidget* page, QWidget* parent);

 signals:
  void moved();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void ShiftTo(QPoint local);

  const QWidget* page_;
  bool dragging_ = false;
  QPoint press_;  // where it was pressed, within the handle
};

}  // namespace tavelao::editors
