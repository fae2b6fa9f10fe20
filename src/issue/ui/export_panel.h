#pragma once
// PanelTexto: the range of cards written to "CARTGRAF.CSV" for a printing
// house.

#include <QFrame>

class QLineEdit;

namespace tavelao::app {
class TMainForm;
}

namespace tavelao::issue {

class PanelTexto : public QFrame {
  Q_OBJECT

 public:
  explicit PanelTexto(app::TMainForm& form);

  // "Gerar arquivo texto para gráfica": the fields keep their last text.
  void Open();
  // "Gera": the panel closes only once the file is written.
  void ButtonGeraClick();

 private:
  app::TMainForm& form_;
  QLineEdit* first_ = nullptr;
  QLineEdit* quantity_ = nullptr;
};

void InstallExportPanel(app::TMainForm& form);

}  // namespace tavelao::issue
