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

// A window's frame as the window manager has it or will: until it has
// framed the window, the frame is the client area, which move() places by
// its top-left corner, and a title bar will go above it.
struct WindowFrame {
  QRect whole;       // where the frame is, or will be
  QPoint title_bar;  // what move() adds to the frame's corner
};

WindowFrame FrameOf(const QWidget& window) {
  const QRect frame = window.frameGeometry();
  if (window.isVisible() && frame.size() != window.size()) return {frame, {}};
  const QPoint title_bar(0, kTitleBarAllowance);
  return {QRect(frame.topLeft() - title_bar, window.size() + QSize(0, kTitleBarAllowance)), title_bar};
}

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
  const WindowFrame frame = FrameOf(window);
  const QRect place = PlaceBeside(clear, frame.whole.size(), available, QCursor::pos());
  window.move(place.topLeft() + frame.title_bar);
}

QRect FitInside(const QRect& frame, QSize minimum, const QRect& screen) {
  const QSize size = frame.size().boundedTo(screen.size()).expandedTo(minimum);
  return MovedInside(QRect(frame.topLeft(), size), screen);
}

void KeepOnScreen(QWidget& window) {
  const QScreen* screen = window.screen();
  if (!screen || window.isMaximized() || window.isFullScreen()) return;
  const WindowFrame frame = FrameOf(window);
  const QSize decoration = frame.whole.size() - window.size();
  const QSize minimum = window.minimumSizeHint().expandedTo(window.minimumSize()) + decoration;
  const QRect fitted = FitInside(frame.whole, minimum, screen->availableGeometry());
  if (fitted == frame.whole) return;
  window.resize(fitted.size() - decoration);
  window.move(fitted.topLeft() + frame.title_bar);
}

}  // namespace tavelao::app
