#pragma once
// PanelFiltraCar "Emissão de cartelas de bingo.": the card model chosen in
// the menu, the first card and the quantity, and "OK" that issues the cards
// and opens their print in the preview.

#include <QFrame>
#include <functional>
#include <map>
#include <string>

#include "issue/issue_run.h"
#include "store/table.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tavelao::app {
class TMainForm;
}
namespace tavelao::layouts {
enum class CardEditor;
struct CardModel;
struct LayoutOptions;
struct PrintResult;
}  // namespace tavelao::layouts
namespace tavelao::report {
class PreviewWindow;
}

namespace tavelao::issue {

class PanelFiltraCar : public QFrame {
  Q_OBJECT

 public:
  // `free_text` gives the text editor's current text as HTML.
  PanelFiltraCar(app::TMainForm& form, std::function<std::string()> free_text);

  void SelectCardModel(const layouts::CardModel& model);
  void ButtonOkClick();
  int model_code() const;
  report::PreviewWindow& preview() { return *preview_; }

  // The window that takes over the open card file after a run of the models
  // with that editor in the catalogue; it also enables their menu entries,
  // as the panel does for the models without an editor.
  using ModelEditor =
      std::function<void(const layouts::PrintResult&, const layouts::LayoutOptions&, store::Table& card_file)>;
  void SetModelEditor(layouts::CardEditor editor, ModelEditor open);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void EnableModelEntries(layouts::CardEditor editor);
  // Enter in the last field shown presses "OK", as a default button would.
  void FieldReturnPressed(QLineEdit* field);

  app::TMainForm& form_;
  std::function<std::string()> free_text_;
  store::Table card_file_;                     // TableCart, "Cartelas.cds"
  const layouts::CardModel* model_ = nullptr;  // the one chosen last
  QLabel* model_name_ = nullptr;
  QLineEdit* first_ = nullptr;
  QLineEdit* quantity_ = nullptr;
  QFrame* number_box_ = nullptr;
  QLabel* number_caption_ = nullptr;
  QLabel* number_range_ = nullptr;
  QLineEdit* number_ = nullptr;
  QRadioButton* small_card_ = nullptr;
  QRadioButton* large_card_ = nullptr;
  QCheckBox* border_ = nullptr;
  QPushButton* ok_ = nullptr;
  QuantityWarning quantity_warning_;
  report::PreviewWindow* preview_ = nullptr;
  std::map<layouts::CardEditor, ModelEditor> editors_;
};

PanelFiltraCar& InstallIssuePanel(app::TMainForm& form, std::function<std::string()> free_text);

}  // namespace tavelao::issue
