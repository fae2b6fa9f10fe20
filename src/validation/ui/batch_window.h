#pragma once
// TFormInc, "Validação por lote": a window beside the main one where cards
// are entered one by one into numbered batches of up to 100. The rules are
// BatchValidation's; this applies each reply to the widgets.

#include <QWidget>

#include <functional>
#include <memory>

#include "validation/batch_validation.h"

class QButtonGroup;
class QFrame;
class QLabel;
class QLineEdit;
class QRadioButton;
class QTableView;

namespace tavelao::app {
class TMainForm;
}

namespace tavelao::validation {

class ValidationGridModel;
class ValidationStore;

class TFormInc : public QWidget {
  Q_OBJECT

 public:
  // `batch_saved` runs after each batch is saved or completed.
  TFormInc(app::TMainForm& form, ValidationStore& store, EntryKeys keys, std::function<void()> batch_saved);
  ~TFormInc() override;

  // "Validação por lote" (MenuLoteClick): shown, to the front, cursor in "Lote".
  void Open();

  void FormActivate();
  void EditLoteExit();
  void RBSalvaClick();
  void RBExcluiClick();
  // Enter in "Cartela" (SaiEnterV).
  void SaiEnterV();

 protected:
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void Apply(const BatchReply& reply);

  // The window's sounds, found in the folder whatever the case of their names.
  class FolderSounds;

  bool returning_from_box_ = false;
  std::unique_ptr<FolderSounds> sounds_;
  std::unique_ptr<BatchClaims> claims_;  // before batch_, which uses it
  BatchValidation batch_;
  std::function<void()> batch_saved_;
  Dialogs& dialogs_;
  ValidationGridModel* model_ = nullptr;
  QLineEdit* lote_ = nullptr;
  QFrame* choice_ = nullptr;
  QRadioButton* save_ = nullptr;
  QRadioButton* remove_ = nullptr;
  QButtonGroup* choices_ = nullptr;
  QLineEdit* cartela_ = nullptr;
  QLabel* count_ = nullptr;
  QLabel* notice_ = nullptr;  // LabelAviso
  QTableView* list_ = nullptr;
};

}  // namespace tavelao::validation
