#include "texteditor/ui/indent_ruler.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>
#include <algorithm>
#include <cmath>

namespace tavelao::texteditor {
namespace {

constexpr double kPixelsPerCm = 96 / 2.54;
constexpr int kHeight = 26;
constexpr int kMarkerHalf = 5;
constexpr int kGrab = 7;

}  // namespace

IndentRuler::IndentRuler(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Ruler"));
  setFixedHeight(kHeight);
  setMouseTracking(false);
}

QSize IndentRuler::sizeHint() const { return {400, kHeight}; }

void IndentRuler::SetIndents(double left, double first_line) {
  if (dragging_ != Marker::kNone) return;
  left_ = left;
  first_line_ = first_line;
  update();
}

void IndentRuler::SetOrigin(int x) {
  origin_ = x;
  update();
}

QPoint IndentRuler::FirstLineMarker() const {
  return {origin_ + static_cast<int>(std::lround(left_ + first_line_)), kMarkerHalf};
}

QPoint IndentRuler::LeftMarker() const {
  return {origin_ + static_cast<int>(std::lround(left_)), kHeight - kMarkerHalf - 1};
}

void IndentRuler::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().window());
  painter.fillRect(QRect(origin_, 3, width() - origin_, kHeight - 6), palette().base());
  painter.setPen(palette().text().color());
  QFont small = font();
  small.setPointSizeF(7);
  painter.setFont(small);
  for (int half = 1; origin_ + half * kPixelsPerCm / 2 < width(); ++half) {
    const int x = origin_ + static_cast<int>(std::lround(half * kPixelsPerCm / 2));
    if (half % 2 == 0) {
      painter.drawText(QRect(x - 10, 6, 20, kHeight - 12), Qt::AlignCenter, QString::number(half / 2));
    } else {
      painter.drawLine(x, kHeight / 2 - 2, x, kHeight / 2 + 2);
    }
  }
  painter.setBrush(palette().highlight());
  const QPoint top = FirstLineMarker();
  painter.drawPolygon(QPolygon({top + QPoint(-kMarkerHalf, -kMarkerHalf), top + QPoint(kMarkerHalf, -kMarkerHalf),
                                top + QPoint(0, kMarkerHalf)}));
  const QPoint bottom = LeftMarker();
  painter.drawPolygon(QPolygon({bottom + QPoint(-kMarkerHalf, kMarkerHalf), bottom + QPoint(kMarkerHalf, kMarkerHalf),
                                bottom + QPoint(0, -kMarkerHalf)}));
}

void IndentRuler::mousePressEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  const auto near = [&at](QPoint marker) {
    return std::abs(at.x() - marker.x()) <= kGrab && std::abs(at.y() - marker.y()) <= kGrab;
  };
  dragging_ = near(FirstLineMarker()) ? Marker::kFirstLine : near(LeftMarker()) ? Marker::kLeft : Marker::kNone;
}

void IndentRuler::mouseMoveEvent(QMouseEvent* event) {
  if (dragging_ == Marker::kNone) return;
  const double x = std::max(0.0, event->position().x() - origin_);
  if (dragging_ == Marker::kLeft) {
    left_ = x;  // the first line moves with it
  } else {
    first_line_ = x - left_;
  }
  update();
}

void IndentRuler::mouseReleaseEvent(QMouseEvent* event) {
  if (dragging_ == Marker::kNone) return;
  mouseMoveEvent(event);
  dragging_ = Marker::kNone;
  emit indentsChanged(left_, first_line_);
}

}  // namespace tavelao::texteditor
