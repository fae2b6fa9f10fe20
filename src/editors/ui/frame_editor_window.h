#pragma once
// TFormVar, TFormVarG and TFormVarA5: one window over the frame editor's
// state, told apart by their variant. The page panel shows the page at
// half scale with a handle per element; the controls beside it set the
// font and the suppressions, and "Procede a emissão" previews the cards.

#include <QWidget>
#include <array>
#include <filesystem>

#include "common/dialogs.h"
#include "editors/frame_editor_state.h"
#include "editors/ui/editor_widgets.h"
#include "session/card_options.h"
#include "session/workspace.h"
#include "store/table.h"

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;

namespace tavelao::report {
class PreviewWindow;
}

namespace tavelao::editors {

class DragHandle;
class FontChooser;

class FrameEditorWindow : public QWidget {
  Q_OBJECT

 public:
  // Created once at start, hidden; loads the editor's table of the
  // workspace folder.
  FrameEditorWindow(FrameEditorKind kind, session::Workspace& workspace, Dialogs& dialogs, FontChooser& fonts,
                    QWidget* parent);

  const FrameEditorVariant& variant() const { return variant_; }
  const FrameEditorState& state() const { return state_; }
  report::PreviewWindow& preview() { return *preview_; }

  // After the issue run: frames 1 to `frames` shown, the prizes and letters
  // of that moment, and the card file the window keeps until it closes.
  void Open(int frames, const session::CardOptions& card, store::Table& card_file);

  void ButtonRecolClick();
  void ButtonFonteClick();
  void Button11Click();

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* BuildPage();
  QWidget* BuildControls();
  void ShowHandles();
  void ShowFont();
  void HandleMoved(DragHandle* handle, HandlePosition& into);

  const FrameEditorVariant& variant_;
  session::Workspace& workspace_;
  Dialogs& dialogs_;
  FontChooser& fonts_;
  FrameEditorState state_;
  // Not rewritten on close when the stored file could not be read.
  bool save_on_close_ = true;
  session::CardOptions card_;
  store::Table no_card_file_;
  store::Table* card_file_ = &no_card_file_;

  QFrame* panel_ = nullptr;
  std::array<DragHandle*, 9> frame_handles_{};
  DragHandle* matrix_handle_ = nullptr;
  std::array<DragHandle*, 6> block_handles_{};
  FontPanel font_panel_;
  QCheckBox* only_numbers_ = nullptr;
  QCheckBox* check_sc_ = nullptr;
  QCheckBox* no_bar_code_ = nullptr;
  QCheckBox* no_matrix_ = nullptr;
  QLineEdit* blocks_ = nullptr;
  report::PreviewWindow* preview_ = nullptr;
};

}  // namespace tavelao::editors
