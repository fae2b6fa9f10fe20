#pragma once
// PanelTSor, "Tipo do Sorteio": the card size of the draw (one of CB15, CB20,
// CB25, CB5, each beside a picture of its cells), CBMostra and "OK". It only
// reports the clicks; the draw screen calls the core and shows the choice.

#include <QFrame>
#include <array>

#include "draw/draw_type.h"

class QCheckBox;

namespace tavelao::draw {

class DrawChoicePanel : public QFrame {
  Q_OBJECT

 public:
  explicit DrawChoicePanel(QWidget* parent = nullptr);

  // The boxes as the core holds them, without reporting clicks.
  void Show(const DrawChoice& choice);

 signals:
  void cardSizeClicked(tavelao::draw::CardSize size, bool ticked);
  void showWinnersClicked(bool ticked);
  void okClicked();

 private:
  std::array<QCheckBox*, 4> sizes_{};  // in the order of kCardSizes
  QCheckBox* mostra_ = nullptr;
};

}  // namespace tavelao::draw
