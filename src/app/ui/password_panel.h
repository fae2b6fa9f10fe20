#pragma once
// PanelSenha: where the organiser types the authentication password twice.

#include <QFrame>

class QLineEdit;

namespace tavelao::app {

class TMainForm;

class PanelSenha : public QFrame {
  Q_OBJECT

 public:
  explicit PanelSenha(TMainForm& form);

  // "Senha de autenticação": shows the panel with the cursor in "Senha".
  void Open();
  void ButtonOkSenhaClick();

 private:
  TMainForm& form_;
  QLineEdit* senha_ = nullptr;
  QLineEdit* confirme_ = nullptr;
};

void InstallPasswordPanel(TMainForm& form);

}  // namespace tavelao::app
