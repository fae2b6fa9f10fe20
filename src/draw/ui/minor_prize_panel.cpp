#include "draw/ui/minor_prize_panel.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/ui/main_form.h"
#include "app/ui/panel_style.h"
#include "app/ui/qt_text.h"
#include "draw/minor_prizes.h"
#include "draw/seeded_random_source.h"

namespace tavelao::draw {
namespace {

constexpr const char* kNote =
    "Este procedimento sorteia, entre as cartelas validadas, a quantidade de cartelas "
    "informada, para a distribuição de prêmios menores. As cartelas sorteadas são "
    "identificadas pelo seu número.";

QTableWidgetItem* RightAligned(const QString& text) {
  auto* item = new QTableWidgetItem(text);
  item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
  item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
  return item;
}

}  // namespace

PanelPM::PanelPM(app::TMainForm& form, RandomFactory new_random, QWidget* parent)
    : QFrame(parent), form_(form), new_random_(std::move(new_random)) {
  setObjectName(QStringLiteral("PanelPM"));
  app::StylePanel(*this);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(app::MakePanelTitle(QStringLiteral("Prêmios menores"), QStringLiteral("LabelTituloPM"), this));

  auto* count_row = new QHBoxLayout;
  count_row->addWidget(new QLabel(QStringLiteral("Número de prêmios:"), this));
  count_ = new QLineEdit(this);
  count_->setObjectName(QStringLiteral("EditPM"));
  count_->setFixedWidth(80);
  count_row->addWidget(count_);
  count_row->addStretch();
  layout->addLayout(count_row);

  layout->addWidget(new QLabel(QStringLiteral("Cartelas sorteadas:"), this));
  grid_ = new QTableWidget(0, 2, this);
  grid_->setObjectName(QStringLiteral("GridPM"));
  grid_->setHorizontalHeaderItem(0, RightAligned(QStringLiteral("Prêmio")));
  grid_->setHorizontalHeaderItem(1, RightAligned(QStringLiteral("Cartela")));
  grid_->verticalHeader()->hide();
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->setFixedSize(260, 220);
  layout->addWidget(grid_);

  auto* note = new QPlainTextEdit(QString::fromUtf8(kNote), this);
  note->setObjectName(QStringLiteral("MemoPM"));
  note->setReadOnly(true);
  note->setFocusPolicy(Qt::NoFocus);
  note->setFixedSize(260, 90);
  layout->addWidget(note);

  exclude_ = new QCheckBox(QStringLiteral("Deixar de fora as cartelas já premiadas"), this);
  exclude_->setObjectName(QStringLiteral("CheckExcluiPremiadas"));
  exclude_->setToolTip(
      QStringLiteral("As sorteadas nos prêmios menores desde que o programa foi aberto e as do último resultado "
                     "gravado em SorteioPM.cds"));
  exclude_->setChecked(true);
  layout->addWidget(exclude_);
  notice_ = new QLabel(this);
  notice_->setObjectName(QStringLiteral("LabelAvisoPM"));
  notice_->setWordWrap(true);
  notice_->setFixedWidth(260);
  QFont bold = notice_->font();
  bold.setBold(true);
  notice_->setFont(bold);
  layout->addWidget(notice_);

  auto* buttons = new QHBoxLayout;
  QPushButton* draw = app::MakeButton(QStringLiteral("Sorteia"), QStringLiteral("ButtonSorPM"), this);
  app::PressOnEnter(*this, *draw);
  QPushButton* leave = app::MakeButton(QStringLiteral("Sai"), QStringLiteral("ButtonSaiPM"), this);
  buttons->addStretch();
  buttons->addWidget(draw);
  buttons->addWidget(leave);
  layout->addLayout(buttons);
  connect(draw, &QPushButton::clicked, this, &PanelPM::ButtonSorPMClick);
  connect(leave, &QPushButton::clicked, this, &PanelPM::ButtonSaiPMClick);
}

void PanelPM::Open() {
  // The file on disk keeps the last result, but it is never read back.
  if (!prizes_.is_open()) grid_->setRowCount(0);
  notice_->clear();
  form_.ShowPanel(this);
  count_->setFocus();
}

void PanelPM::ButtonSorPMClick() {
  session::Workspace& ws = form_.workspace();
  Dialogs& dialogs = form_.services().dialogs;
  const std::string typed = app::ToUtf8(count_->text());
  if (!PrizeCount(typed)) return;
  // The last result on disk is the one a new draw replaces, and the cards
  // it names have won already.
  auto stored = StoredPrizeCards(ws.folder);
  if (!stored) {
    dialogs.Inform(kMinorPrizeTitle, stored.error());
    return;
  }
  if (!stored->empty() && !dialogs.Ask(kMinorPrizeTitle, kDrawAgainQuestion)) return;
  std::set<std::int32_t> excluded;
  if (exclude_->isChecked()) {
    excluded = won_;
    excluded.merge(*stored);
  }

  notice_->clear();
  const std::unique_ptr<RandomSource> random = new_random_();
  auto result = DrawMinorPrizes(ws.folder, ws.validation, typed, *random, prizes_, excluded);
  if (!result) {
    dialogs.Inform(kMinorPrizeTitle, result.error());
    grid_->setRowCount(0);
    return;
  }
  const SystemClock clock;
  if (auto journalled = JournalMinorPrizes(ws.journal, clock, *result); !journalled) {
    // Prizes the record of the night does not hold are not announced.
    dialogs.Inform(kMinorPrizeTitle, "A ata não pôde ser gravada: " + journalled.error());
    grid_->setRowCount(0);
    return;
  }
  for (const MinorPrize& prize : result->prizes) won_.insert(prize.card);
  notice_->setText(app::ToQString(result->prizes.empty() ? NoPrizeMessage(*result) : std::string(kPrizesDrawn)));
  grid_->setRowCount(static_cast<int>(result->prizes.size()));
  int row = 0;
  for (const MinorPrize& prize : result->prizes) {
    grid_->setItem(row, 0, RightAligned(QString::number(prize.premio)));
    grid_->setItem(row, 1, RightAligned(app::ToQString(prize.numero)));
    ++row;
  }
}

void PanelPM::ButtonSaiPMClick() {
  hide();
  prizes_.Close();
}

void InstallMinorPrizePanel(app::TMainForm& form) {
  auto* panel = new PanelPM(form, [] { return SeededRandomSource::FromClock(); });
  form.AddPanel(panel);
  form.EnableMenuEntry(QStringLiteral("MenuPM"), [panel] { panel->Open(); });
}

}  // namespace tavelao::draw
