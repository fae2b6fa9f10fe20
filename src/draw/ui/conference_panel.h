#pragma once
// PanelConf: the card conference on the draw screen. The operator types a
// card number in EditConf and presses Enter; the grid C1..C25 shows that
// card of the bank with the drawn numbers red, LabelSenha its
// authentication text, LabelVeredito whether it plays and LabelCompletou
// the figures in play it completed (their cells filled); "Imprime"
// previews the sheet TFormConf of what is shown. It only reads the draw.

#include <QFrame>
#include <array>
#include <optional>

#include "common/dialogs.h"
#include "draw/card_conference.h"
#include "draw/draw_run.h"
#include "draw/draw_type.h"
#include "session/workspace.h"

class QLabel;
class QLineEdit;

namespace tavelao::report {
class PreviewWindow;
}

namespace tavelao::draw {

class ConferencePanel : public QFrame {
  Q_OBJECT

 public:
  // The preview is a window of its own over `window_owner`.
  ConferencePanel(const session::Workspace& workspace, DrawRun& run, Dialogs& dialogs, QWidget* window_owner,
                  QWidget* parent = nullptr);

  // What ButtonOKTSor chose: the height that shows only the rows in play,
  // and the cover of the printed sheet.
  void SetCardSize(const CardSizeLayout& size);

  // ButtonConf: blank grid, then the focus in EditConf.
  void Open();
  // Enter in EditConf.
  void ConferCard();
  // BitBtn1.
  void Print();

  const std::optional<Conference>& shown() const { return shown_; }
  report::PreviewWindow& preview() { return *preview_; }

 private:
  void Blank();

  const session::Workspace& workspace_;
  DrawRun& run_;  // conferences go into its journal
  Dialogs& dialogs_;
  CardSizeLayout size_;
  std::optional<Conference> shown_;
  QLineEdit* edit_ = nullptr;
  QLabel* senha_ = nullptr;
  QLabel* headline_ = nullptr;
  QLabel* completed_ = nullptr;
  std::array<QLabel*, 25> cells_{};
  report::PreviewWindow* preview_ = nullptr;
};

}  // namespace tavelao::draw
