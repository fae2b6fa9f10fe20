#pragma once
// TFormSorteios, "Marcar outros tipos de sorteio": the twelve pattern boxes of
// 25-number cards, each beside a picture of its cells, in a window of its own
// beside the board, closed with "Fechar" or Esc.

#include <QWidget>
#include <array>

#include "draw/draw_type.h"

class QCheckBox;

namespace tavelao::draw {

class PatternWindow : public QWidget {
  Q_OBJECT

 public:
  explicit PatternWindow(QWidget* parent = nullptr);

  // "Marcar outros tipos de sorteio": in front, beside `board` and fully on
  // its screen.
  void Open(const QWidget& board);
  // The boxes as the core holds them (a won pattern comes back unticked).
  void Show(const DrawChoice& choice);

 signals:
  void patternClicked(tavelao::draw::Pattern pattern, bool ticked);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  std::array<QCheckBox*, kPatternCount> boxes_{};  // by Index(Pattern)
};

}  // namespace tavelao::draw
