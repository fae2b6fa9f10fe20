#pragma once
// PanelPedras: the 100 ball panels P1..P100 in five lines of twenty (line k
// holds column k), the title letters at both ends of each line. Navy digits
// on white are not drawn, red digits on a filled cell are drawn; a blank
// panel is a ball out of play. The panels and their digits grow with the
// board.

#include <QFrame>
#include <QLabel>
#include <array>
#include <optional>

#include "draw/ball.h"
#include "draw/draw_run.h"

namespace tavelao::draw {

// One panel Pn: reports a click with its ball; a double-click is one click.
class BallPanelLabel : public QLabel {
  Q_OBJECT

 public:
  BallPanelLabel(int ball, QWidget* parent);

 signals:
  void clicked(int ball);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  int ball_;
  std::optional<qulonglong> last_press_;  // time of the last counted press
};

class BallBoardPanel : public QFrame {
  Q_OBJECT

 public:
  explicit BallBoardPanel(QWidget* parent = nullptr);

  void Show(const std::array<BallPanel, kBallCount>& board);
  void SetLetters(const TitleLetters& letters);
  QWidget* PanelOf(int ball) const { return panels_[ball - 1]; }
  // The height that makes the cells about as tall as they are wide, within
  // `room`; never less than the small board's.
  int HeightFor(int width, int room) const;

 signals:
  void ballClicked(int ball);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  std::array<BallPanelLabel*, kBallCount> panels_{};
  std::array<QLabel*, 2 * kColumnCount> letters_{};  // left ends, then right ends
};

}  // namespace tavelao::draw
