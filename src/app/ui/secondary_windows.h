#pragma once
// What every secondary window of the program does alike, in one place: it
// first opens beside the main window, it always opens fully on its screen
// (shrunk when the screen is small, as a 1366×768 laptop's is), and Esc
// closes it.

#include <QObject>

class QWidget;

namespace tavelao::app {

class SecondaryWindows : public QObject {
 public:
  // Watches every window of the application while `main_window` lives.
  explicit SecondaryWindows(QWidget& main_window);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget& main_window_;
};

}  // namespace tavelao::app
