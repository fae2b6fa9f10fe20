#pragma once
// PanelSorteio: the draw as the operator runs it. It hosts PanelInicio
// (manual, electronic, "Sair"), the board PanelPedras, the follow-up panel
// PanelAcompanha, the ball picture and the card conference PanelConf, and
// drives the draw-type choice PanelTSor, the pattern window TFormSorteios
// and the winners sheet TFormVenc, and keeps the audience screen TFormTelao
// showing what the hall must see, and the live page on the hall's network.
// Every handler calls one DrawRun member and shows its state.

#include <QFrame>
#include <string>

#include "draw/draw_run.h"
#include "web/serve_address.h"

namespace tavelao::app {
class TMainForm;
}

namespace tavelao::report {
class PreviewWindow;
}

namespace tavelao::web {
class LiveServer;
}

namespace tavelao::draw {

class AudienceWindow;
class LivePageWindow;
class BallBoardPanel;
class BallCaller;
class ConferencePanel;
class DrawChoicePanel;
class FollowUpPanel;
class PatternWindow;
class PicturePanel;
class WinnersSheetWindow;

class DrawScreen : public QFrame {
  Q_OBJECT

 public:
  // `tables` from OpenDrawTables over the form's workspace.
  DrawScreen(app::TMainForm& form, const DrawTables& tables, DrawRun::RandomFactory new_random);
  ~DrawScreen() override;

  DrawChoicePanel& choice_panel() { return *choice_; }
  const DrawRun& run() const { return run_; }

  // Menu "Sorteio".
  void OpenDrawChoice();
  void ButtonOKTSorClick();
  void StartDraw(DrawMode mode);
  // At start-up: a draw the journal has left open is offered to be taken
  // up where it was ("Sim") or closed as interrupted ("Não").
  void OfferInterruptedDraw();
  void LeaveDraw();
  void BallClick(int ball);
  void ButtonAleaClick();
  void ButtonFimClick();
  void ButtonDesfazerClick();
  // ButtonAta, ButtonAtaInicio: the minutes of the last draw in the preview.
  void ButtonAtaClick();
  void ButtonMostraClick();
  void CheckSomClick();
  void ButtonConfClick();
  // ButtonTelao: the audience screen on the chosen monitor, or closed.
  void OpenAudience(int screen_index);
  void CloseAudience();
  // ButtonPublicar: serves the live page (on the installation's "servidor"
  // address, or every network's port 8080) and shows where to reach it.
  void ButtonPublicarClick();
  // ButtonPararPublicacao.
  void StopPublishing();

 protected:
  // The board takes the window's width and about half its height.
  void resizeEvent(QResizeEvent* event) override;

 private:
  void ShowState();
  // What a marked, unmarked or drawn ball changes on the screen.
  void ShowBall(Result<BallOutcome> outcome, bool electronic);
  void ShowOutcome(const BallOutcome& outcome);
  // Picture and sound of the ball; the electronic draw plays the sound first
  // and waits before the picture.
  void PresentBall(int ball, bool electronic);
  // The ball's own sound file; without one, its call aloud; without a voice,
  // the common sound.
  void PlayBallSound(int ball);
  // "Bingo! Cartela ..." for each card the ball made win, with sound on.
  void CallWinners();
  BallCaller& Caller();
  bool Check(const Status& status);
  TitleLetters Letters() const;
  void ApplyLetters();
  // Starts the live page's server when it is not serving; false after the
  // message when it cannot.
  bool Publish(const web::ServeAddress& at);
  void PublishWhenSet();

  app::TMainForm& form_;
  DrawRun run_;
  DrawChoicePanel* choice_ = nullptr;
  PatternWindow* patterns_ = nullptr;
  WinnersSheetWindow* sheet_ = nullptr;
  report::PreviewWindow* minutes_ = nullptr;  // FormAta
  QFrame* start_ = nullptr;
  BallBoardPanel* board_ = nullptr;
  FollowUpPanel* follow_ = nullptr;
  PicturePanel* picture_ = nullptr;
  ConferencePanel* conference_ = nullptr;
  AudienceWindow* audience_ = nullptr;
  BallCaller* caller_ = nullptr;  // made when sound is first wanted
  web::LiveServer* live_ = nullptr;
  LivePageWindow* live_window_ = nullptr;
  std::string live_state_;  // what the live page was last sent
};

// The menu entry "Sorteio" stays disabled, after a message, when the draw
// tables cannot be opened.
void InstallDrawScreens(app::TMainForm& form);

}  // namespace tavelao::draw
