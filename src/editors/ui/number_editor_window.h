#pragma once
// TFormDVar "Posicionamento das dezenas na cartela variavel": a button per
// number on the half-scale page, the two card-number blocks and the matrix,
// the font and background colours and five check boxes.

#include <QWidget>
#include <array>

#include "common/dialogs.h"
#include "editors/number_editor_state.h"
#include "editors/ui/editor_widgets.h"
#include "session/workspace.h"
#include "store/table.h"

class QCheckBox;
class QFrame;

namespace tavelao::report {
class PreviewWindow;
}

namespace tavelao::editors {

class DragHandle;
class FontChooser;

class NumberEditorWindow : public QWidget {
  Q_OBJECT

 public:
  NumberEditorWindow(session::Workspace& workspace, Dialogs& dialogs, FontChooser& fonts, QWidget* parent);

  const NumberEditorState& state() const { return state_; }
  report::PreviewWindow& preview() { return *preview_; }

  // After the issue run: the card file the window keeps until it closes.
  void Open(store::Table& card_file);

  void ButtonRecolClick();
  void ButtonFonteClick();
  void Button11Click();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QWidget* BuildControls();
  void ShowHandles();
  void ShowPanel();

  session::Workspace& workspace_;
  Dialogs& dialogs_;
  FontChooser& fonts_;
  NumberEditorState state_;
  bool save_on_close_ = true;
  store::Table no_card_file_;
  store::Table* card_file_ = &no_card_file_;

  QWidget* page_ = nullptr;
  QFrame* panel_ = nullptr;
  std::array<DragHandle*, 25> numbers_{};
  DragHandle* block1_ = nullptr;
  DragHandle* block2_ = nullptr;
  DragHandle* matrix_ = nullptr;
  FontPanel font_panel_;
  QCheckBox* border_ = nullptr;
  QCheckBox* two_numbers_ = nullptr;
  QCheckBox* bar_code_ = nullptr;
  QCheckBox* matrix_check_ = nullptr;
  QCheckBox* two_cards_ = nullptr;
  report::PreviewWindow* preview_ = nullptr;
};

}  // namespace tavelao::editors
