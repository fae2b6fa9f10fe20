#pragma once
// PanelBE, the business bingo panel: shown instead of a preview when the
// issue run of "Bingo Empresarial" has written the card file. The event
// record and the sponsor list are edited in their open tables; "OK" prints
// the business cards and is the only way out.

#include <QFrame>
#include <array>
#include <optional>

#include "business/event_data.h"
#include "store/table.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QTableView;

namespace tavelao::app {
class TMainForm;
}
namespace tavelao::issue {
class PanelFiltraCar;
}
namespace tavelao::report {
class PreviewWindow;
}

namespace tavelao::business {

class SponsorGridModel;

class PanelBE : public QFrame {
  Q_OBJECT

 public:
  explicit PanelBE(app::TMainForm& form);

  // Opens "dados.cds" and "empresas.cds" over the issue run's open card
  // file and shows the panel; a table that cannot be read is reported and
  // the panel stays hidden.
  void Open(store::Table& card_file);

  void BitBtn2Click();        // "Imprime a lista das empresas"
  void ButtonGeraCBEClick();  // "Gerar CARTGRAFBE.CSV "
  void ButtonOKBE2Click();    // "OK"

  // Whether the event and sponsor tables are open (from Open until the
  // business cards' preview closes).
  bool tables_open() const { return event_.is_open() || sponsors_.is_open(); }
  report::PreviewWindow& cards_preview() { return *cards_preview_; }
  report::PreviewWindow& list_preview() { return *list_preview_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Posts a field as typed; a refused text is reported and the field shows
  // the stored value again. False when refused.
  bool StoreField(EventField field);
  bool StoreChangedFields();
  void ShowStoredFields();
  void CloseTables();

  app::TMainForm& form_;
  store::Table* card_file_ = nullptr;
  store::Table event_;     // TableDados
  store::Table sponsors_;  // TableEmp
  EventTexts stored_;
  std::array<QLineEdit*, std::size(kEditedEventFields)> fields_{};
  QTableView* grid_ = nullptr;
  SponsorGridModel* model_ = nullptr;
  QCheckBox* names_only_ = nullptr;
  QPushButton* ok_ = nullptr;
  report::PreviewWindow* cards_preview_ = nullptr;
  report::PreviewWindow* list_preview_ = nullptr;
};

// MenuBEClick: the issue panel for the model "Bingo Empresarial"; its
// run opens PanelBE.
void InstallBusinessPanel(app::TMainForm& form, issue::PanelFiltraCar& issue_panel);

}  // namespace tavelao::business
