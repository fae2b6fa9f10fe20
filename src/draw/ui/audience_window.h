#pragma once
// TFormTelao, "Telão": the audience screen on the hall's TV or projector.
// It paints the whole draw itself from one AudienceView and never takes the
// focus or a click from the operator's window; closing it only hides it.

#include <QPointer>
#include <QWidget>

#include "draw/audience_view.h"

class QScreen;

namespace tavelao::draw {

class AudienceWindow : public QWidget {
 public:
  explicit AudienceWindow(QWidget* parent = nullptr);

  // Keeps the view and repaints on the next turn of the event loop.
  void Show(const AudienceView& view);
  const AudienceView& view() const { return view_; }

  // Full screen and frameless on `screen`; or, when `screen` is the
  // operator's own, a framed window on a quarter of it, which the operator
  // can move, size and close (a rehearsal, or a hall with one monitor).
  void Open(QScreen* screen, bool full_screen);

 protected:
  bool event(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  AudienceView view_;
  QPointer<QWidget> operator_window_;  // active when this one appeared
};

// The screen for the hall: one other than the primary when there is one,
// else the primary.
QScreen* DefaultAudienceScreen();

}  // namespace tavelao::draw
