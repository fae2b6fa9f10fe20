#pragma once
// PanelValidacao: direct validation in the main window. The operator types
// or scans an entry; the rules are DirectValidation's.

#include <QFrame>

#include "validation/direct_validation.h"

class QLabel;
class QLineEdit;
class QTableView;

namespace tavelao::app {
class TMainForm;
}

namespace tavelao::validation {

class ValidationGridModel;
class ValidationStore;

class PanelValidacao : public QFrame {
  Q_OBJECT

 public:
  PanelValidacao(app::TMainForm& form, ValidationStore& store, EntryKeys keys);

  // "Validação direta" (MenuDiretaClick).
  void Open();
  // Enter in EditVal (SaiEnter).
  void SaiEnter();
  // The glyph button beside EditVal: appends the check digit.
  void BitBtn3Click();
  void ButtonInivalClick();
  void ButtonSaiValClick();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowView(const DirectPanelView& view);
  void ShowLastRecord();
  // Keeps the grid where it was while its model is read again.
  void KeepGridPosition();
  // Ctrl+Delete in the grid removes the record under the cursor, after asking.
  void RemoveCurrentRecord();

  app::TMainForm& form_;
  ValidationStore& store_;
  DirectValidation direct_;
  ValidationGridModel* model_ = nullptr;
  QLineEdit* entry_ = nullptr;
  QLabel* last_ = nullptr;
  QLabel* count_ = nullptr;
  QTableView* grid_ = nullptr;
};

}  // namespace tavelao::validation
