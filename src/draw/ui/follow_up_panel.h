#pragma once
// PanelAcompanha: the counters, the last ball, the draw type, the buttons of
// a running draw, the order of the draw (MemoOrdem) and the results box
// Memo1. It shows a DrawState and reports clicks; it decides nothing.

#include <QFrame>

#include "draw/draw_run.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tavelao::draw {

class ResultsBox;

class FollowUpPanel : public QFrame {
  Q_OBJECT

 public:
  explicit FollowUpPanel(QWidget* parent = nullptr);

  void Show(const DrawState& state);
  // LabelTipoSor, CBCheia and ButtonSorteios belong to 25-number draws.
  void SetFullCardControls(bool shown);
  bool SoundOn() const;
  // ButtonTelao pressed in while the audience screen is open.
  void SetAudienceOpen(bool open);

 signals:
  void fullCardClicked(bool ticked);
  void patternsRequested();
  void soundClicked();
  void drawBallRequested();
  void endRequested();
  void undoRequested();     // ButtonDesfazer
  void minutesRequested();  // ButtonAta
  void showWinnersRequested();
  void conferenceRequested();
  // ButtonTelao: open the audience screen on this screen of the list, or
  // close it.
  void audienceRequested(int screen_index);
  void audienceClosed();
  void publishRequested();  // ButtonPublicar

 protected:
  // The last ball's digits grow with its button.
  void resizeEvent(QResizeEvent* event) override;

 private:
  QLabel* in_play_ = nullptr;
  QLabel* drawn_ = nullptr;
  QLabel* left_ = nullptr;
  QPushButton* last_ = nullptr;
  QLabel* tipo_ = nullptr;
  QCheckBox* cheia_ = nullptr;
  QLabel* outros_ = nullptr;
  QPushButton* sorteios_ = nullptr;
  QCheckBox* som_ = nullptr;
  QPushButton* alea_ = nullptr;
  QPushButton* mostra_ = nullptr;
  QPushButton* telao_ = nullptr;
  QComboBox* telao_screen_ = nullptr;
  QLabel* ordem_ = nullptr;
  QPlainTextEdit* memo_ordem_ = nullptr;
  ResultsBox* memo_ = nullptr;
};

}  // namespace tavelao::draw
