#pragma once
// PanelPremios: the descriptions of the nine prizes, kept in "premios.cds".

#include <QFrame>
#include <array>

class QLineEdit;

namespace tavelao::app {

class TMainForm;

class PanelPremios : public QFrame {
  Q_OBJECT

 public:
  explicit PanelPremios(TMainForm& form);

  // "Descrição dos prêmios": the fields show the record as it is stored.
  void Open();
  // "OK": hides the panel and posts the record.
  void OKPremiosClick();

 private:
  TMainForm& form_;
  std::array<QLineEdit*, 9> fields_{};
};

void InstallPrizePanel(TMainForm& form);

}  // namespace tavelao::app
