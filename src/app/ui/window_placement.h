#pragma once
// Where a secondary window opens: fully on its screen, clear of the area it
// must not hide (the ball board) and never under the mouse, so that the click
// the operator is about to make still lands where it was aimed.

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace tavelao::app {

// The frame rectangle for a window of `frame_size`: beside `keep_clear`
// (right, below, left, above, in that order of preference), moved inside
// `screen`; when nothing fits clear, the place that hides least of it.
// Places under `cursor` are taken only when every place is.
QRect PlaceBeside(const QRect& keep_clear, QSize frame_size, const QRect& screen, QPoint cursor);

// Moves the window so that its frame lies where PlaceBeside says, on the
// screen of `keep_clear`.
void MoveBeside(QWidget& window, const QWidget& keep_clear);

// The frame `frame` made to fit `screen`: no larger than it (nor smaller
// than `minimum`, when that is all the window can take) and moved inside.
QRect FitInside(const QRect& frame, QSize minimum, const QRect& screen);

// Shrinks and moves a shown window so that its whole frame is on its screen.
void KeepOnScreen(QWidget& window);

}  // namespace tavelao::app
