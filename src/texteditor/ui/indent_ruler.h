#pragma once
// The ruler over the text: a centimetre scale with the paragraph's two
// indent markers, the first line's above and the left indent's below.
// Dragging a marker changes the paragraph's indent.

#include <QWidget>

namespace tavelao::texteditor {

class IndentRuler : public QWidget {
  Q_OBJECT

 public:
  explicit IndentRuler(QWidget* parent = nullptr);

  // Indents in document pixels; the first line's relative to the left one.
  void SetIndents(double left, double first_line);
  double left() const { return left_; }
  double first_line() const { return first_line_; }
  // Where the text's left edge lies in the ruler's own coordinates.
  void SetOrigin(int x);
  // The markers' centres, for the mouse.
  QPoint FirstLineMarker() const;
  QPoint LeftMarker() const;

  QSize sizeHint() const override;

 signals:
  // At the end of a drag.
  void indentsChanged(double left, double first_line);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  enum class Marker { kNone, kFirstLine, kLeft };

  double left_ = 0;
  double first_line_ = 0;
  int origin_ = 0;
  Marker dragging_ = Marker::kNone;
};

}  // namespace tavelao::texteditor
