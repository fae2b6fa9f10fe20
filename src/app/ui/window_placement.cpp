#include "app/ui/window_placement.h"

#include <QCursor>
#include <QScreen>
#include <QWidget>
#include <array>
#include <limits>

namespace tavelao::app {
namespace {

constexpr int kGap = 8;
// Until a window has been shown its frame is unknown; a title bar of about
// this height is allowed for so that it never lands above the screen.
constexpr int kTitleBarAllowance = 32;

QRect MovedInside(QRect r, const QRect& screen) {
  if (r.right() > screen.right()) r.moveRight(screen.right());
  if (r.bottom() > screen.bottom()) r.moveBottom(screen.bottom());
  if (r.left() < screen.left()) r.moveLeft(screen.left());
  if (r.top() < screen.top()) r.moveTop(screen.top());
  return r;
}

long long Area(const QRect& r) { return r.isEmpty() ? 0 : static_cast<long long>(r.width()) * r.height(); }

}  // namespace

QRect PlaceBeside(const QRect& keep_clear, QSize frame_size, const QRect& screen, QPoint cursor) {
  const std::array<QPoint, 4> corners = {
      QPoint(keep_clear.right() + 1 + kGap, keep_clear.top()),
      QPoint(keep_clear.left(), keep_clear.bottom() + 1 + kGap),
      QPoint(keep_clear.left() - kGap - frame_size.width(), keep_clear.top()),
      QPoint(keep_clear.left(), keep_clear.top() - kGap - frame_size.height()),
  };
  QRect best;
  long long best_cost = std::numeric_limits<long long>::max();
  for (const QPoint& corner : corners) {
    const QRect place = MovedInside(QRect(corner, frame_size), screen);
    // Hiding the board costs less than taking the operator's next click.
    const long long cost = Area(place.intersected(keep_clear)) + (place.contains(cursor) ? Area(screen) + 1 : 0);
    if (cost < best_cost) {
      best = place;
      best_cost = cost;
    }
  }
  return best;
}

void MoveBeside(QWidget& window, const QWidget& keep_clear) {
  const QRect clear(keep_clear.mapToGlobal(QPoint(0, 0)), keep_clear.size());
  const QScreen* screen = keep_clear.screen();
  const QRect available = screen ? screen->availableGeometry() : QRect(QPoint(0, 0), clear.size());
  QSize frame = window.frameGeometry().size();
  // Unframed, a window is placed by its client area (as in KeepOnScreen).
  const bool framed = window.isVisible() && frame != window.size();
  if (!framed) frame += QSize(0, kTitleBarAllowance);
  const QRect place = PlaceBeside(clear, frame, available, QCursor::pos());
  window.move(place.topLeft() + QPoint(0, framed ? 0 : kTitleBarAllowance));
}

QRect FitInside(const QRect& frame, QSize minimum, const QRect& screen) {
  const QSize size = frame.size().boundedTo(screen.size()).expandedTo(minimum);
  return MovedInside(QRect(frame.topLeft(), size), screen);
}

void KeepOnScreen(QWidget& window) {
  const QScreen* screen = window.screen();
  if (!screen || window.isMaximized() || window.isFullScreen()) return;
  // Until the window manager has framed a window its frame is its client
  // area, placed by its top-left corner: the title bar will go above it.
  const bool framed = window.frameGeometry().size() != window.size();
  const QSize decoration = framed ? window.frameGeometry().size() - window.size() : QSize(0, kTitleBarAllowance);
  const QPoint title_bar(0, framed ? 0 : kTitleBarAllowance);
  const QRect whole =
      framed ? window.frameGeometry() : QRect(window.frameGeometry().topLeft() - title_bar, window.size() + decoration);
  const QSize minimum = window.minimumSizeHint().expandedTo(window.minimumSize()) + decoration;
  const QRect fitted = FitInside(whole, minimum, screen->availableGeometry());
  if (fitted == whole) return;
  window.resize(fitted.size() - decoration);
  window.move(fitted.topLeft() + title_bar);
}

}  // namespace tavelao::app
