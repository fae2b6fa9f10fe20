#pragma once
// PanelPalavra: the five title letters of the frames (default B I N G O),
// kept in "premios.cds".

#include <QFrame>
#include <array>

class QLineEdit;

namespace tavelao::app {

class TMainForm;

class PanelPalavra : public QFrame {
  Q_OBJECT

 public:
  explicit PanelPalavra(TMainForm& form);

  // "Mudar título do quadro(padrão=BINGO)": the fields show the stored letters.
  void Open();
  // "OK": posts the record, hides the panel, then ApplyTitleLetters.
  void ButtonPalavraClick();

 private:
  TMainForm& form_;
  std::array<QLineEdit*, 5> fields_{};
};

void InstallLetterPanel(TMainForm& form);

}  // namespace tavelao::app
