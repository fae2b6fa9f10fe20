#pragma once
// PanelPedras: the 100 ball panels P1..P100 in five lines of twenty (line k
// holds column k), the title letters at both ends of each line. Navy is not
// drawn, red is drawn; a blank panel is a ball out of play.

#include <QFrame>
#include <QLabel>
#include <array>

#include "draw/ball.h"
#include "draw/draw_run.h"

namespace tavelao::draw {

// One panel Pn: reports a click with its ball.
class BallPanelLabel : public QLabel {
  Q_OBJECT

 public:
  BallPanelLabel(int ball, QWidget* parent);

 signals:
  void clicked(int ball);

 protected:
  void mousePressEvent(QMouseEvent* event) override;

 private:
  int ball_;
};

class BallBoardPanel : public QFrame {
  Q_OBJECT

 public:
  explicit BallBoardPanel(QWidget* parent = nullptr);

  void Show(const std::array<BallPanel, kBallCount>& board);
  void SetLetters(const TitleLetters& letters);
  QWidget* PanelOf(int ball) const { return panels_[ball - 1]; }

 signals:
  void ballClicked(int ball);

 private:
  std::array<BallPanelLabel*, kBallCount> panels_{};
  std::array<QLabel*, 2 * kColumnCount> letters_{};  // left ends, then right ends
};

}  // namespace tavelao::draw
