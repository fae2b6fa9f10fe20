#include "draw/ui/draw_screen_panel.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "app/ui/main_form.h"
#include "app/ui/panel_style.h"
#include "app/ui/qt_text.h"
#include "draw/audience_view.h"
#include "draw/ball_media.h"
#include "draw/draw_journal.h"
#include "draw/draw_tables.h"
#include "draw/journal_replay.h"
#include "draw/minutes_sheet.h"
#include "draw/seeded_random_source.h"
#include "draw/ui/audience_window.h"
#include "draw/ui/ball_board_panel.h"
#include "draw/ui/ball_caller.h"
#include "draw/ui/conference_panel.h"
#include "draw/ui/draw_choice_panel.h"
#include "draw/ui/follow_up_panel.h"
#include "draw/ui/live_page_window.h"
#include "draw/ui/pattern_window.h"
#include "draw/ui/picture_panel.h"
#include "draw/ui/winners_sheet_window.h"
#include "report/ui/preview_window.h"
#include "web/live_state.h"
#include "web/server/live_address.h"
#include "web/server/live_server.h"

namespace tavelao::draw {
namespace {

constexpr const char* kSoundTitle = "Som";
constexpr const char* kErrorTitle = "Sorteio";
constexpr const char* kUndoTitle = "Desfazer última pedra";
constexpr const char* kResumeTitle = "Sorteio interrompido";
constexpr const char* kMinutesTitle = "Ata do sorteio";
constexpr const char* kEndTitle = "Encerra o sorteio";
constexpr const char* kEndQuestion = "Encerrar o sorteio? As pedras sorteadas ficam na ata.";
constexpr const char* kPublishTitle = "Publicar na rede";

}  // namespace

DrawScreen::DrawScreen(app::TMainForm& form, const DrawTables& tables, DrawRun::RandomFactory new_random)
    : form_(form), run_(tables, form.services().dialogs, std::move(new_random)) {
  setObjectName(QStringLiteral("PanelSorteio"));
  app::StylePanel(*this);
  // The screen takes the whole window, so that the board grows with it.
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  auto* layout = new QVBoxLayout(this);

  start_ = new QFrame(this);
  start_->setObjectName(QStringLiteral("PanelInicio"));
  app::StylePanel(*start_);
  auto* buttons = new QHBoxLayout(start_);
  QPushButton* manual = app::MakeButton(QStringLiteral("Sorteio manual"), QStringLiteral("ButtonManual"), start_);
  QPushButton* electronic =
      app::MakeButton(QStringLiteral("Sorteio eletrônico"), QStringLiteral("ButtonEletronico"), start_);
  QPushButton* minutes = app::MakeButton(QStringLiteral("Ata do sorteio"), QStringLiteral("ButtonAtaInicio"), start_);
  QPushButton* leave = app::MakeButton(QStringLiteral("Sair"), QStringLiteral("ButtonSair"), start_);
  for (QPushButton* b : {manual, electronic, minutes, leave}) {
    b->setMinimumSize(150, 40);
    buttons->addWidget(b);
  }
  layout->addWidget(start_, 0, Qt::AlignLeft);

  board_ = new BallBoardPanel(this);
  board_->hide();
  layout->addWidget(board_);
  follow_ = new FollowUpPanel(this);
  follow_->hide();
  layout->addWidget(follow_, 1);
  layout->addStretch(0);  // keeps the start buttons at the top when alone
  picture_ = new PicturePanel(this);
  // Over the counters and buttons of the follow-up panel, leaving the board
  // and the results in sight.
  conference_ = new ConferencePanel(form.workspace(), run_, form.services().dialogs, &form, this);
  conference_->hide();

  choice_ = new DrawChoicePanel;
  patterns_ = new PatternWindow(&form);
  sheet_ = new WinnersSheetWindow(&form);
  audience_ = new AudienceWindow(&form);

  connect(manual, &QPushButton::clicked, this, [this] { StartDraw(DrawMode::Manual); });
  connect(electronic, &QPushButton::clicked, this, [this] { StartDraw(DrawMode::Electronic); });
  connect(leave, &QPushButton::clicked, this, &DrawScreen::LeaveDraw);
  connect(minutes, &QPushButton::clicked, this, &DrawScreen::ButtonAtaClick);
  minutes_ = new report::PreviewWindow(form.services().dialogs, &form);
  minutes_->setObjectName(QStringLiteral("FormAta"));
  minutes_->hide();
  connect(choice_, &DrawChoicePanel::cardSizeClicked, this, [this](CardSize size, bool ticked) {
    Check(run_.ClickCardSize(size, ticked));
    choice_->Show(run_.state().choice);
  });
  connect(choice_, &DrawChoicePanel::showWinnersClicked, this, [this](bool ticked) { run_.ClickShowWinners(ticked); });
  connect(choice_, &DrawChoicePanel::okClicked, this, &DrawScreen::ButtonOKTSorClick);
  connect(patterns_, &PatternWindow::patternClicked, this, [this](Pattern p, bool ticked) {
    Check(run_.ClickPattern(p, ticked));
    ShowState();
  });
  connect(board_, &BallBoardPanel::ballClicked, this, &DrawScreen::BallClick);
  connect(follow_, &FollowUpPanel::fullCardClicked, this, [this](bool ticked) {
    Check(run_.ClickFullCard(ticked));
    ShowState();
  });
  connect(follow_, &FollowUpPanel::patternsRequested, this, [this] { patterns_->Open(*board_); });
  connect(follow_, &FollowUpPanel::soundClicked, this, &DrawScreen::CheckSomClick);
  connect(follow_, &FollowUpPanel::drawBallRequested, this, &DrawScreen::ButtonAleaClick);
  connect(follow_, &FollowUpPanel::endRequested, this, &DrawScreen::ButtonFimClick);
  connect(follow_, &FollowUpPanel::undoRequested, this, &DrawScreen::ButtonDesfazerClick);
  connect(follow_, &FollowUpPanel::minutesRequested, this, &DrawScreen::ButtonAtaClick);
  connect(follow_, &FollowUpPanel::showWinnersRequested, this, &DrawScreen::ButtonMostraClick);
  connect(follow_, &FollowUpPanel::conferenceRequested, this, &DrawScreen::ButtonConfClick);
  connect(follow_, &FollowUpPanel::audienceRequested, this, &DrawScreen::OpenAudience);
  connect(follow_, &FollowUpPanel::audienceClosed, this, &DrawScreen::CloseAudience);
  connect(follow_, &FollowUpPanel::publishRequested, this, &DrawScreen::ButtonPublicarClick);
  live_ = new web::LiveServer(this);
  live_window_ = new LivePageWindow(&form);
  connect(live_window_, &LivePageWindow::stopRequested, this, &DrawScreen::StopPublishing);
  connect(live_, &web::LiveServer::clientsChanged, live_window_, &LivePageWindow::ShowClients);
  connect(sheet_, &WinnersSheetWindow::closed, this, [this] {
    run_.HideWinnersButton();
    ShowState();
  });
  connect(picture_, &PicturePanel::finished, this, [this] { run_.HoldBalls(false); });
  connect(&form, &app::TMainForm::titleLettersApplied, this, &DrawScreen::ApplyLetters);
  ApplyLetters();
}

DrawScreen::~DrawScreen() = default;

void DrawScreen::resizeEvent(QResizeEvent* event) {
  QFrame::resizeEvent(event);
  const QMargins m = layout()->contentsMargins();
  board_->setFixedHeight(board_->HeightFor(width() - m.left() - m.right(), height() * 11 / 20));
}

void DrawScreen::OpenDrawChoice() {
  form_.SetMainMenusVisible(false);
  hide();
  Check(run_.OpenDrawChoice());
  choice_->Show(run_.state().choice);
  form_.ShowPanel(choice_);
}

void DrawScreen::ButtonOKTSorClick() {
  const auto layout = run_.ConfirmCardSize();
  if (!layout) return;
  follow_->SetFullCardControls(layout->full_card_controls);
  sheet_->SetFrameHeight(layout->sheet_frame_height);
  conference_->SetCardSize(*layout);
  conference_->hide();
  choice_->hide();
  start_->show();
  board_->hide();
  follow_->hide();
  ShowState();
  form_.ShowPanel(this);
}

void DrawScreen::OfferInterruptedDraw() {
  auto events = ReadJournal(form_.workspace().journal);
  if (!events) {
    Check(Fail(events.error()));
    return;
  }
  const std::vector<JournalDraw> draws = DrawsOf(*events);
  if (draws.empty() || !draws.back().ended.empty()) return;
  const JournalDraw& open = draws.back();
  const std::string question = "Há um sorteio interrompido em " + open.started.substr(0, 16) + " (" +
                               std::to_string(open.balls) + " pedras). Retomar?";
  if (!form_.services().dialogs.Ask(kResumeTitle, question)) {
    Check(run_.RecordEvent(EventKind::Interrupted, {{"pedras", std::to_string(open.balls)}}));
    return;
  }
  if (!Check(run_.Resume(EventsOfDraw(*events, open.draw), Letters()))) return;
  PublishWhenSet();
  form_.SetMainMenusVisible(false);
  form_.ShowPanel(this);
  picture_->hide();
  start_->hide();
  board_->show();
  follow_->show();
  ShowState();
}

void DrawScreen::StartDraw(DrawMode mode) {
  if (!Check(run_.StartDraw(mode))) return;
  PublishWhenSet();
  picture_->hide();
  start_->hide();
  board_->show();
  follow_->show();
  ShowState();
}

void DrawScreen::LeaveDraw() {
  CloseAudience();
  form_.SetMainMenusVisible(true);
  hide();
}

void DrawScreen::BallClick(int ball) { ShowBall(run_.ToggleBall(ball, Letters()), false); }

void DrawScreen::ButtonAleaClick() {
  if (!picture_->running()) picture_->hide();
  ShowBall(run_.DrawRandomBall(Letters()), true);
}

void DrawScreen::ShowBall(Result<BallOutcome> outcome, bool electronic) {
  if (!outcome) Check(std::move(outcome).take_error());
  ShowState();
  if (!outcome || !outcome->accepted) return;
  ShowOutcome(*outcome);
  PresentBall(outcome->ball, electronic);
  CallWinners();
}

void DrawScreen::ButtonDesfazerClick() {
  const std::vector<int>& order = run_.state().drawn_order;
  if (order.empty()) return;
  const std::string ball = BallLabel(order.back());
  if (!form_.services().dialogs.Ask(kUndoTitle,
                                    "Desfazer a última pedra, " + ball + "? Ela fica na ata como desfeita.")) {
    return;
  }
  ShowBall(run_.UndoLastBall(Letters()), false);
}

void DrawScreen::ButtonAtaClick() {
  auto events = ReadJournal(form_.workspace().journal);
  if (!events) {
    Check(Fail(events.error()));
    return;
  }
  const std::vector<JournalDraw> draws = DrawsOf(*events);
  if (draws.empty()) {
    form_.services().dialogs.Inform(kMinutesTitle, "Nenhum sorteio na ata.");
    return;
  }
  auto document =
      MinutesDocument(MinutesOfDraw(EventsOfDraw(*events, draws.back().draw), form_.card_options().prizes[0]));
  if (!document) {
    Check(Fail(document.error()));
    return;
  }
  minutes_->Open(std::move(*document));
}

void DrawScreen::ButtonFimClick() {
  if (!form_.services().dialogs.Ask(kEndTitle, kEndQuestion)) return;
  picture_->hide();
  if (!Check(run_.EndDraw())) return;
  board_->hide();
  follow_->hide();
  conference_->hide();
  start_->show();
  ShowState();
}

void DrawScreen::ButtonMostraClick() {
  run_.HideWinnersButton();
  ShowState();
  sheet_->Open(*board_);
}

BallCaller& DrawScreen::Caller() {
  if (!caller_) {
    caller_ = new BallCaller({}, this);
    caller_->setObjectName(QStringLiteral("BallCaller"));
    // Said once; the draw goes on silent.
    connect(caller_, &BallCaller::unavailable, this,
            [this](const QString& message) { form_.services().dialogs.Inform(kSoundTitle, app::ToUtf8(message)); });
  }
  return *caller_;
}

void DrawScreen::CheckSomClick() {
  // The voice is made ready as soon as sound is wanted, so the first ball is
  // not the one that waits for it.
  if (follow_->SoundOn()) Caller();
}

void DrawScreen::PlayBallSound(int ball) {
  const auto folder = form_.workspace().folder;
  if (auto own = OwnBallSoundFile(folder, ball)) {
    form_.services().sounds.Play(*own);
  } else if (Caller().available()) {
    caller_->CallBall(ball, Letters());
  } else {
    form_.services().sounds.Play(CommonBallSoundFile(folder));
  }
}

void DrawScreen::ButtonConfClick() {
  conference_->move(follow_->geometry().topLeft() + QPoint(6, 6));
  conference_->Open();
}

void DrawScreen::OpenAudience(int screen_index) {
  const QList<QScreen*> screens = QGuiApplication::screens();
  QScreen* screen =
      screen_index >= 0 && screen_index < screens.size() ? screens[screen_index] : DefaultAudienceScreen();
  audience_->Open(screen, screen != form_.screen());
  ShowState();
}

void DrawScreen::CloseAudience() {
  audience_->hide();
  follow_->SetAudienceOpen(false);
}

bool DrawScreen::Publish(const web::ServeAddress& at) {
  if (live_->listening()) return true;
  if (auto listening = live_->Listen(at); !listening) {
    form_.services().dialogs.Inform(kPublishTitle, listening.error());
    return false;
  }
  live_window_->ShowAddress(web::PageAddress(at, live_->port()));
  live_state_.clear();  // a new server knows nothing yet
  ShowState();
  return true;
}

void DrawScreen::PublishWhenSet() {
  // With an address in the installation settings the page goes live with
  // every draw.
  auto setting = web::ReadInstalledServeSetting();
  if (!setting) {
    form_.services().dialogs.Inform(kPublishTitle, setting.error());
  } else if (*setting) {
    Publish(**setting);
  }
}

void DrawScreen::ButtonPublicarClick() {
  auto setting = web::ReadInstalledServeSetting();
  if (!setting) {
    form_.services().dialogs.Inform(kPublishTitle, setting.error());
    return;
  }
  const web::ServeAddress at = *setting ? **setting : *web::ParseServeAddress(web::kDefaultServeAddress);
  if (!Publish(at)) return;
  live_window_->show();
  live_window_->raise();
}

void DrawScreen::StopPublishing() {
  live_->Close();
  live_window_->hide();
}

void DrawScreen::ShowState() {
  const DrawState& state = run_.state();
  board_->Show(run_.Board());
  follow_->Show(state);
  patterns_->Show(state.choice);
  sheet_->Show(state.sheet);
  follow_->SetAudienceOpen(audience_->isVisible());
  if (!audience_->isVisible() && !live_->listening()) return;
  // What the hall sees, on the Telão and on the live page alike.
  const AudienceView view = AudienceViewOf(state, Letters(), form_.card_options().prizes[0]);
  if (audience_->isVisible()) audience_->Show(view);
  if (live_->listening()) {
    // Many screen updates change nothing the page shows; the devices are
    // sent only what is new.
    std::string live = web::LiveStateJson(view, state, run_.draw_number());
    if (live != live_state_) {
      live_state_ = live;
      live_->Publish(std::move(live));
    }
  }
}

void DrawScreen::ShowOutcome(const BallOutcome& outcome) {
  if (outcome.show_sheet) sheet_->Open(*board_);
}

void DrawScreen::CallWinners() {
  if (!follow_->SoundOn() || !Caller().available()) return;
  for (const PassWinner& winner : run_.state().new_winners) caller_->CallWin(winner.card);
}

void DrawScreen::PresentBall(int ball, bool electronic) {
  const auto folder = form_.workspace().folder;
  const bool sound = follow_->SoundOn();
  if (electronic && sound) PlayBallSound(ball);
  if (const auto file = BallPictureFile(folder, ball)) {
    QWidget* panel = board_->PanelOf(ball);
    const QPoint at = panel->mapTo(this, QPoint(0, 36));
    const int delay = electronic ? PicturePanel::kElectronicDelayMs : 0;
    if (picture_->Play(QString::fromStdString(file->string()), at, delay)) run_.HoldBalls(true);
  }
  if (!electronic && sound) PlayBallSound(ball);
}

bool DrawScreen::Check(const Status& status) {
  if (status) return true;
  form_.services().dialogs.Inform(kErrorTitle, status.error());
  return false;
}

TitleLetters DrawScreen::Letters() const { return form_.card_options().letters; }

void DrawScreen::ApplyLetters() {
  board_->SetLetters(Letters());
  sheet_->SetLetters(Letters());
}

void InstallDrawScreens(app::TMainForm& form) {
  // Start-up keeps these tables open, so this only gathers them.
  auto tables = OpenDrawTables(form.workspace());
  if (!tables) {
    form.services().dialogs.Inform(kErrorTitle, tables.error());
    return;
  }
  auto* screen = new DrawScreen(form, *tables, [] { return SeededRandomSource::FromClock(); });
  form.AddPanel(&screen->choice_panel());
  form.AddPanel(screen);
  form.EnableMenuEntry(QStringLiteral("MenuSorteio"), [screen] { screen->OpenDrawChoice(); });
  screen->OfferInterruptedDraw();
}

}  // namespace tavelao::draw
