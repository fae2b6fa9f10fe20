#pragma once
// TFormVenc, "Cartelas ganhadoras": six card frames Panel1..Panel6 side by
// side, each with its title Cart1..Cart6, the five title letters and the 25
// numbers (A1..A25 for the first frame, B1.. for the second, up to F25). The
// frames are cut to the rows the card size plays. It opens beside the board
// and never takes the focus: the operator's next click belongs to the board.

#include <QWidget>
#include <array>

#include "draw/ball.h"
#include "draw/winners_sheet.h"

class QFrame;
class QLabel;

namespace tavelao::draw {

class WinnersSheetWindow : public QWidget {
  Q_OBJECT

 public:
  explicit WinnersSheetWindow(QWidget* parent = nullptr);

  void Show(const WinnersSheet& sheet);
  void SetLetters(const TitleLetters& letters);
  void SetFrameHeight(int height);
  // In front, beside `board`, not under the mouse, without taking the focus.
  void Open(const QWidget& board);

 signals:
  void closed();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  struct Frame {
    QFrame* panel = nullptr;
    QLabel* title = nullptr;
    std::array<QLabel*, kColumnCount> letters{};
    std::array<QLabel*, 25> cells{};
  };
  std::array<Frame, WinnersSheet::kFrames> frames_;
};

}  // namespace tavelao::draw
