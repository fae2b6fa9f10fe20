#pragma once
// PanelCor: the colours of the numbers of the first, second and third frame,
// for this run only.

#include <QFrame>
#include <array>

#include "session/card_options.h"

class QLabel;

namespace tavelao::app {

class TMainForm;

class PanelCor : public QFrame {
  Q_OBJECT

 public:
  explicit PanelCor(TMainForm& form);

  // "Altera" of row k (0, 1, 2): the colour dialog starts at the swatch's
  // colour; cancelling it leaves the swatch as it was.
  void ButtonCorClick(int row);
  // "OK": ApplyNumberColours.
  void ButtonOKCorClick();

  session::Rgb swatch(int row) const { return swatches_[row]; }

 private:
  void PaintSwatch(int row);

  TMainForm& form_;
  // Every run starts with red, blue, green, whatever was chosen last time.
  std::array<session::Rgb, 3> swatches_ = {session::kRed, session::kBlue, session::kGreen};
  std::array<QLabel*, 3> labels_{};
};

void InstallColourPanel(TMainForm& form);

}  // namespace tavelao::app
