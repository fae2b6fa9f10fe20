#include "draw/ui/follow_up_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "app/ui/panel_style.h"
#include "app/ui/qt_text.h"
#include "draw/ui/audience_window.h"
#include "draw/ui/results_box.h"

namespace tavelao::draw {
namespace {

// The longest text LabelOutros can show: every pattern ticked.
constexpr const char* kLongestOutros =
    "Outros sorteios: CANTOS JANELINHA PORTA BIN XIS LINHA COLUNA TE JANELÃO CRUZ U ELE ";
constexpr int kOutrosWidth = 200;
constexpr int kMinLastWidth = 170;
constexpr int kMinLastHeight = 110;

QLabel* Counter(const char* name, QWidget* parent) {
  auto* label = new QLabel(QStringLiteral("0"), parent);
  label->setObjectName(QString::fromUtf8(name));
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  label->setMinimumWidth(40);
  QFont font = label->font();
  font.setBold(true);
  font.setPointSizeF(font.pointSizeF() * 1.3);
  label->setFont(font);
  return label;
}

QFont WithPixelSize(QFont font, int pixels) {
  font.setPixelSize(std::max(10, pixels));
  return font;
}

QPlainTextEdit* ReadOnlyBox(const char* name, QWidget* parent) {
  auto* box = new QPlainTextEdit(parent);
  box->setObjectName(QString::fromUtf8(name));
  box->setReadOnly(true);
  box->setFocusPolicy(Qt::NoFocus);
  return box;
}

// A check box whose caption is a label of its own, as on the draw screen.
QHBoxLayout* BoxWithLabel(QCheckBox* box, QLabel* label) {
  auto* row = new QHBoxLayout;
  row->setSpacing(4);
  row->addWidget(box);
  row->addWidget(label);
  row->addStretch();
  return row;
}

}  // namespace

FollowUpPanel::FollowUpPanel(QWidget* parent) : QFrame(parent) {
  setObjectName(QStringLiteral("PanelAcompanha"));
  app::StylePanel(*this);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  auto* layout = new QHBoxLayout(this);

  // Counters and the last ball.
  auto* counters = new QGridLayout;
  in_play_ = Counter("LabelnoSorteio", this);
  drawn_ = Counter("LabelSorteadas", this);
  left_ = Counter("LabelRestam", this);
  counters->addWidget(new QLabel(QStringLiteral("Pedras no sorteio"), this), 0, 0);
  counters->addWidget(in_play_, 0, 1);
  counters->addWidget(new QLabel(QStringLiteral("Sorteadas"), this), 1, 0);
  counters->addWidget(drawn_, 1, 1);
  counters->addWidget(new QLabel(QStringLiteral("Restam"), this), 2, 0);
  counters->addWidget(left_, 2, 1);
  last_ = app::MakeButton(QString(), QStringLiteral("ButtonUltima"), this);
  last_->setFocusPolicy(Qt::NoFocus);
  last_->setMinimumSize(kMinLastWidth, kMinLastHeight);
  last_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  QFont big = last_->font();
  big.setBold(true);
  last_->setFont(WithPixelSize(big, kMinLastHeight / 2));
  counters->addWidget(last_, 3, 0, 1, 2);
  counters->setRowStretch(3, 1);
  layout->addLayout(counters, 1);

  // The draw type and the buttons.
  auto* controls = new QVBoxLayout;
  tipo_ = new QLabel(QStringLiteral("Sorteia cartela cheia"), this);
  tipo_->setObjectName(QStringLiteral("LabelTipoSor"));
  cheia_ = new QCheckBox(this);
  cheia_->setObjectName(QStringLiteral("CBCheia"));
  cheia_->setChecked(true);
  controls->addLayout(BoxWithLabel(cheia_, tipo_));
  outros_ = new QLabel(this);
  outros_->setObjectName(QStringLiteral("LabelOutros"));
  outros_->setWordWrap(true);
  outros_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  // Room for the longest text from the start, so that the buttons below
  // stay where the operator's hand expects them as patterns come and go.
  outros_->setFixedSize(kOutrosWidth, outros_->fontMetrics()
                                              .boundingRect(QRect(0, 0, kOutrosWidth, 1000), Qt::TextWordWrap,
                                                            QString::fromUtf8(kLongestOutros))
                                              .height() +
                                          4);
  controls->addWidget(outros_);
  sorteios_ = app::MakeButton(QStringLiteral("Marcar outros tipos de sorteio"), QStringLiteral("ButtonSorteios"), this);
  controls->addWidget(sorteios_);
  som_ = new QCheckBox(this);
  som_->setObjectName(QStringLiteral("CheckSom"));
  auto* som_label = new QLabel(QStringLiteral("Som"), this);
  som_label->setObjectName(QStringLiteral("LabelSom"));
  controls->addLayout(BoxWithLabel(som_, som_label));
  alea_ = app::MakeButton(QStringLiteral("Sortear pedra"), QStringLiteral("ButtonAlea"), this);
  alea_->hide();
  controls->addWidget(alea_);
  QPushButton* undo = app::MakeButton(QStringLiteral("Desfazer última pedra"), QStringLiteral("ButtonDesfazer"), this);
  controls->addWidget(undo);
  QPushButton* fim = app::MakeButton(QStringLiteral("Encerra o sorteio"), QStringLiteral("ButtonFim"), this);
  controls->addWidget(fim);
  QPushButton* minutes = app::MakeButton(QStringLiteral("Ata do sorteio"), QStringLiteral("ButtonAta"), this);
  controls->addWidget(minutes);
  QPushButton* conf = app::MakeButton(QStringLiteral("Confere cartela"), QStringLiteral("ButtonConf"), this);
  controls->addWidget(conf);
  mostra_ = app::MakeButton(QStringLiteral("Mostra ganhadoras"), QStringLiteral("ButtonMostra"), this);
  QSizePolicy keeps_room = mostra_->sizePolicy();
  keeps_room.setRetainSizeWhenHidden(true);
  mostra_->setSizePolicy(keeps_room);
  controls->addWidget(mostra_);
  telao_ = app::MakeButton(QStringLiteral("Telão"), QStringLiteral("ButtonTelao"), this);
  telao_->setCheckable(true);
  telao_->setToolTip(QStringLiteral("Mostra o sorteio em tela cheia na TV ou no projetor do salão"));
  controls->addWidget(telao_);
  // Which monitor takes the audience screen; only worth asking with two.
  telao_screen_ = new QComboBox(this);
  telao_screen_->setObjectName(QStringLiteral("ComboTelao"));
  const QList<QScreen*> screens = QGuiApplication::screens();
  for (int i = 0; i < screens.size(); ++i) {
    const QRect g = screens[i]->geometry();
    telao_screen_->addItem(QStringLiteral("Monitor %1 (%2×%3)").arg(i + 1).arg(g.width()).arg(g.height()));
  }
  telao_screen_->setCurrentIndex(std::max(0, static_cast<int>(screens.indexOf(DefaultAudienceScreen()))));
  telao_screen_->setVisible(screens.size() > 1);
  controls->addWidget(telao_screen_);
  QPushButton* publish = app::MakeButton(QStringLiteral("Publicar na rede"), QStringLiteral("ButtonPublicar"), this);
  publish->setToolTip(QStringLiteral("Mostra o sorteio ao vivo nos celulares e TVs da rede do salão"));
  controls->addWidget(publish);
  controls->addStretch();
  layout->addLayout(controls);

  // The order of the draw and the results.
  auto* results = new QVBoxLayout;
  ordem_ = new QLabel(this);
  ordem_->setObjectName(QStringLiteral("LabelOrdem"));
  ordem_->hide();
  memo_ordem_ = ReadOnlyBox("MemoOrdem", this);
  memo_ordem_->setMinimumSize(420, 62);
  memo_ordem_->setMaximumHeight(120);
  results->addWidget(memo_ordem_);
  auto* heading = new QLabel(QStringLiteral("Pontos Cart. Número das cartelas"), this);
  heading->setObjectName(QStringLiteral("LabelPontos"));
  memo_ = new ResultsBox(this);
  memo_->setMinimumSize(420, 250);
  heading->setFont(memo_->font());
  results->addWidget(heading);
  results->addWidget(memo_, 1);
  layout->addLayout(results, 2);

  connect(cheia_, &QCheckBox::clicked, this, &FollowUpPanel::fullCardClicked);
  connect(sorteios_, &QPushButton::clicked, this, &FollowUpPanel::patternsRequested);
  connect(som_, &QCheckBox::clicked, this, &FollowUpPanel::soundClicked);
  connect(alea_, &QPushButton::clicked, this, &FollowUpPanel::drawBallRequested);
  connect(fim, &QPushButton::clicked, this, &FollowUpPanel::endRequested);
  connect(undo, &QPushButton::clicked, this, &FollowUpPanel::undoRequested);
  connect(minutes, &QPushButton::clicked, this, &FollowUpPanel::minutesRequested);
  connect(mostra_, &QPushButton::clicked, this, &FollowUpPanel::showWinnersRequested);
  connect(conf, &QPushButton::clicked, this, &FollowUpPanel::conferenceRequested);
  connect(publish, &QPushButton::clicked, this, &FollowUpPanel::publishRequested);
  connect(telao_, &QPushButton::clicked, this, [this](bool open) {
    if (open) {
      emit audienceRequested(telao_screen_->currentIndex());
    } else {
      emit audienceClosed();
    }
  });
}

void FollowUpPanel::Show(const DrawState& state) {
  in_play_->setText(QString::number(state.balls_in_play));
  drawn_->setText(QString::number(state.drawn_count));
  left_->setText(QString::number(state.BallsLeft()));
  last_->setText(app::ToQString(state.last_ball));
  cheia_->setChecked(state.choice.full_card);
  outros_->setText(app::ToQString(state.outros));
  alea_->setVisible(state.mode == DrawMode::Electronic);
  alea_->setEnabled(state.alea_enabled);
  mostra_->setVisible(state.mostra_visible);
  ordem_->setText(app::ToQString(state.order_text));
  if (memo_ordem_->toPlainText() != ordem_->text()) {
    memo_ordem_->setPlainText(ordem_->text());
    // The latest balls are the ones the hall asks about.
    QScrollBar* scroll = memo_ordem_->verticalScrollBar();
    scroll->setValue(scroll->maximum());
  }
  memo_->ShowLines(state.memo);
  const auto colour = ColourOf(state.memo_colour);
  QPalette palette = memo_->palette();
  palette.setColor(QPalette::Base, QColor(colour.red, colour.green, colour.blue));
  memo_->setPalette(palette);
}

void FollowUpPanel::SetFullCardControls(bool shown) {
  tipo_->setVisible(shown);
  cheia_->setVisible(shown);
  sorteios_->setVisible(shown);
}

bool FollowUpPanel::SoundOn() const { return som_->isChecked(); }

void FollowUpPanel::SetAudienceOpen(bool open) { telao_->setChecked(open); }

void FollowUpPanel::resizeEvent(QResizeEvent* event) {
  QFrame::resizeEvent(event);
  last_->setFont(
      WithPixelSize(last_->font(), static_cast<int>(std::min(last_->height() * 0.55, last_->width() * 0.3))));
  const int counter_pixels = std::clamp(height() / 16, 16, 40);
  for (QLabel* counter : {in_play_, drawn_, left_}) counter->setFont(WithPixelSize(counter->font(), counter_pixels));
}

}  // namespace tavelao::draw
