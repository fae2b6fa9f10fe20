#pragma once
// TFormSorteios, "Marcar outros tipos de sorteio": the twelve pattern boxes of
// 25-number cards, each beside a picture of its cells, in a window of its own
// at the top-left corner of the screen.

#include <QWidget>
#include <array>

#include "draw/draw_type.h"

class QCheckBox;

namespace tavelao::draw {

class PatternWindow : public QWidget {
  Q_OBJECT

 public:
  explicit PatternWindow(QWidget* parent = nullptr);

  // "Marcar outros tipos de sorteio": in front, at the top-left corner.
  void Open();
  // The boxes as the core holds them (a won pattern comes back unticked).
  void Show(const DrawChoice& choice);

 signals:
  void patternClicked(tavelao::draw::Pattern pattern, bool ticked);

 private:
  std::array<QCheckBox*, kPatternCount> boxes_{};  // by Index(Pattern)
};

}  // namespace tavelao::draw
