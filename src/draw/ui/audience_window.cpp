#include "draw/ui/audience_window.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

#include "draw/ui/audience_layout.h"
#include "draw/ui/audience_painter.h"

namespace tavelao::draw {

AudienceWindow::AudienceWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus) {
  setObjectName(QStringLiteral("TFormTelao"));
  setWindowTitle(QStringLiteral("Telão"));
  setAttribute(Qt::WA_ShowWithoutActivating);
  // Every pixel is painted each time: nothing to clear first.
  setAttribute(Qt::WA_OpaquePaintEvent);
  // An open audience screen must not keep the program running.
  setAttribute(Qt::WA_QuitOnClose, false);
  setFocusPolicy(Qt::NoFocus);
}

void AudienceWindow::Show(const AudienceView& view) {
  view_ = view;
  update();
}

void AudienceWindow::Open(QScreen* screen, bool full_screen) {
  // Changing the flags hides the window; only done when they change.
  if (windowFlags().testFlag(Qt::FramelessWindowHint) != full_screen)
    setWindowFlag(Qt::FramelessWindowHint, full_screen);
  if (screen) setScreen(screen);
  if (full_screen) {
    // On a virtual desktop the screen alone does not move the window there.
    if (screen) setGeometry(screen->geometry());
    // Not showFullScreen(): it also asks for the activation.
    setWindowState(windowState() | Qt::WindowFullScreen);
  } else {
    setWindowState(windowState() & ~Qt::WindowFullScreen);
    if (screen) {
      const QRect room = screen->availableGeometry();
      const int width = room.width() / 2;
      const QSize size(width, width * 9 / 16);
      setGeometry(QRect(room.bottomRight() - QPoint(size.width(), size.height()) + QPoint(1, 1), size));
    }
  }
  show();
}

void AudienceWindow::showEvent(QShowEvent* event) {
  QWidget* active = QApplication::activeWindow();
  if (active != this) operator_window_ = active;
  QWidget::showEvent(event);
}

// Some platforms and window managers activate a new window whatever it asks;
// the operator's window gets the activation, and with it the focus, back.
bool AudienceWindow::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate && operator_window_ && operator_window_->isVisible()) {
    operator_window_->activateWindow();
  }
  return QWidget::event(event);
}

void AudienceWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintAudience(painter, LayOutAudience(size(), static_cast<int>(view_.figures.size())), view_);
}

void AudienceWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    hide();
    return;
  }
  QWidget::keyPressEvent(event);
}

QScreen* DefaultAudienceScreen() {
  QScreen* primary = QGuiApplication::primaryScreen();
  for (QScreen* screen : QGuiApplication::screens()) {
    if (screen != primary) return screen;
  }
  return primary;
}

}  // namespace tavelao::draw
