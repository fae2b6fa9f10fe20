#include "app/ui/secondary_windows.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QWidget>

#include "app/ui/window_placement.h"

namespace tavelao::app {
namespace {

constexpr const char* kPlacedProperty = "tavelao_placed";

// A window of the program's own: not a menu, tooltip or other popup, and
// not a dialog, which keeps its own placement and answers Esc itself.
bool IsProgramWindow(const QObject* object) {
  const auto* widget = qobject_cast<const QWidget*>(object);
  if (!widget || !widget->isWindow() || qobject_cast<const QDialog*>(widget)) return false;
  const Qt::WindowType type = widget->windowType();
  return type == Qt::Window;
}

}  // namespace

SecondaryWindows::SecondaryWindows(QWidget& main_window) : QObject(&main_window), main_window_(main_window) {
  qApp->installEventFilter(this);
}

bool SecondaryWindows::eventFilter(QObject* watched, QEvent* event) {
  // The main window is fitted once by the program, after its first show:
  // it may be sized on purpose later.
  if (event->type() == QEvent::Show && watched != &main_window_ && IsProgramWindow(watched)) {
    auto* window = static_cast<QWidget*>(watched);
    // The first time, beside the main window, unless the window placed
    // itself (the pattern window beside the board, the Telão on its screen).
    const bool place_beside = !window->property(kPlacedProperty).toBool() && !window->testAttribute(Qt::WA_Moved);
    window->setProperty(kPlacedProperty, true);
    // Placed and sized before the window manager sees it: it may leave a
    // window larger than the screen undecorated.
    if (place_beside) MoveBeside(*window, main_window_);
    KeepOnScreen(*window);
  }
  if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape &&
      static_cast<QKeyEvent*>(event)->modifiers() == Qt::NoModifier) {
    auto* widget = qobject_cast<QWidget*>(watched);
    QWidget* window = widget ? widget->window() : nullptr;
    // Only the key as it first arrives: at the focused widget, or at the
    // window itself when nothing in it has the focus.
    const QWidget* focus = QApplication::focusWidget();
    const bool first = focus ? widget == focus : widget == window;
    if (window && first && window != &main_window_ && IsProgramWindow(window)) {
      window->close();
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace tavelao::app
