#include "validation/ui/direct_panel.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

#include "app/ui/main_form.h"
#include "app/ui/panel_style.h"
#include "app/ui/qt_text.h"
#include "common/text.h"
#include "validation/ui/scan_hold_back.h"
#include "validation/ui/validation_grid_model.h"
#include "validation/validation_messages.h"
#include "validation/validation_store.h"

namespace tavelao::validation {
namespace {

constexpr const char* kHelp =
    "(Para validar uma cartela digite seu número+dígito e tecle ENTER. Para validar um grupo de cartelas digite o "
    "número da cartela inicial e final com os dígitos, separados por um hífen. Ex. para validar as cartelas de 1 a 10 "
    "digite 19-108)";

QLabel* MakeValueLabel(const QString& name, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setMinimumWidth(90);
  QFont font = label->font();
  font.setBold(true);
  font.setPointSize(font.pointSize() + 4);
  label->setFont(font);
  return label;
}

}  // namespace

PanelValidacao::PanelValidacao(app::TMainForm& form, ValidationStore& store, EntryKeys keys)
    : form_(form), store_(store), direct_(store, keys, form.services().dialogs, form.workspace().place()) {
  setObjectName(QStringLiteral("PanelValidacao"));
  app::StylePanel(*this);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(
      app::MakePanelTitle(QStringLiteral("Validação de cartelas"), QStringLiteral("LabelTituloVal"), this));

  auto* labels = new QHBoxLayout;
  labels->addWidget(new QLabel(QStringLiteral("Cartelas validadas"), this));
  count_ = MakeValueLabel(QStringLiteral("LabelValidadas"), this);
  labels->addWidget(count_);
  labels->addSpacing(30);
  labels->addWidget(new QLabel(QStringLiteral("Última validada"), this));
  last_ = MakeValueLabel(QStringLiteral("LabelUltval"), this);
  labels->addWidget(last_);
  labels->addStretch();
  layout->addLayout(labels);

  auto* entry_row = new QHBoxLayout;
  entry_row->addWidget(new QLabel(QStringLiteral("Validar:"), this));
  entry_ = new QLineEdit(this);
  entry_->setObjectName(QStringLiteral("EditVal"));
  entry_->setFixedWidth(200);
  entry_row->addWidget(entry_);
  auto* digit = new QPushButton(this);
  digit->setObjectName(QStringLiteral("BitBtn3"));
  digit->setIcon(style()->standardIcon(QStyle::SP_ArrowRight));
  digit->setToolTip(QStringLiteral("Acrescenta o dígito"));
  digit->setFocusPolicy(Qt::NoFocus);
  entry_row->addWidget(digit);
  entry_row->addStretch();
  layout->addLayout(entry_row);

  model_ = new ValidationGridModel(store_, DirectGridColumns(), &form.services().dialogs, this);
  model_->SetView(DirectView());
  grid_ = new QTableView(this);
  grid_->setObjectName(QStringLiteral("DBGrid1"));
  grid_->setModel(model_);
  grid_->horizontalHeader()->setDefaultSectionSize(34);
  grid_->setColumnWidth(0, 70);
  grid_->setColumnWidth(2, 80);
  grid_->verticalHeader()->setDefaultSectionSize(22);
  grid_->setMinimumSize(760, 300);
  grid_->installEventFilter(this);
  layout->addWidget(grid_);
  KeepGridPosition();

  auto* help = new QPlainTextEdit(QString::fromUtf8(kHelp), this);
  help->setObjectName(QStringLiteral("MemoAjuda"));
  help->setReadOnly(true);
  help->setFocusPolicy(Qt::NoFocus);
  help->setFixedHeight(60);
  layout->addWidget(help);

  auto* buttons = new QHBoxLayout;
  QPushButton* clear =
      app::MakeButton(QStringLiteral("Zera as cartelas validadas"), QStringLiteral("ButtonInival"), this);
  QPushButton* leave = app::MakeButton(QStringLiteral("Sai da validação"), QStringLiteral("ButtonSaiVal"), this);
  buttons->addStretch();
  buttons->addWidget(clear);
  buttons->addWidget(leave);
  layout->addLayout(buttons);

  connect(entry_, &QLineEdit::returnPressed, this, &PanelValidacao::SaiEnter);
  connect(digit, &QPushButton::clicked, this, &PanelValidacao::BitBtn3Click);
  connect(clear, &QPushButton::clicked, this, &PanelValidacao::ButtonInivalClick);
  connect(leave, &QPushButton::clicked, this, &PanelValidacao::ButtonSaiValClick);
}

void PanelValidacao::Open() {
  form_.SetMainMenusVisible(false);
  form_.ShowPanel(this);
  ShowView(direct_.Open());
  model_->Reload();
  ShowLastRecord();
  entry_->setFocus();
}

void PanelValidacao::SaiEnter() {
  ScanHoldBack::Held held;
  DirectEntryResult result;
  {
    ScanHoldBack hold([this] { form_.services().sounds.Play(kSoundValidated); });
    result = direct_.Enter(app::ToUtf8(entry_->text()));
    held = hold.Take();
  }
  // Cards added before a stop stay validated, so the grid shows them too.
  if (!result.added.empty() || !result.removed.empty()) {
    model_->Reload();
    ShowLastRecord();
  }
  if (result.refresh()) {
    ShowView(result.view);
    entry_->clear();
  } else if (result.outcome != EntryOutcome::Ignored) {
    // Kept for correction, but the reader's next scan replaces it.
    entry_->setFocus();
    entry_->selectAll();
  }
  // The cards read while a box was open, in the order they came; the last
  // one without its Enter waits in the field.
  for (const QString& scan : held.scans) {
    entry_->setText(scan);
    SaiEnter();
  }
  if (!held.typing.isEmpty()) entry_->setText(held.typing);
}

void PanelValidacao::BitBtn3Click() {
  if (auto with_digit = AppendCheckDigit(app::ToUtf8(entry_->text()))) entry_->setText(app::ToQString(*with_digit));
  entry_->setFocus();
}

void PanelValidacao::ButtonInivalClick() {
  ShowView(direct_.Clear());
  model_->Reload();
  entry_->setFocus();
}

void PanelValidacao::ButtonSaiValClick() {
  hide();
  form_.SetMainMenusVisible(true);
}

bool PanelValidacao::eventFilter(QObject* watched, QEvent* event) {
  if (watched == grid_ && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Delete && key->modifiers().testFlag(Qt::ControlModifier)) {
      RemoveCurrentRecord();
      return true;
    }
  }
  return QFrame::eventFilter(watched, event);
}

void PanelValidacao::ShowView(const DirectPanelView& view) {
  last_->setText(app::ToQString(view.last_validated));
  count_->setText(app::ToQString(view.count));
}

void PanelValidacao::KeepGridPosition() {
  // An edited cell reads the model again (a new number moves its record);
  // the operator stays on the rows being looked at.
  auto scroll = std::make_shared<int>(0);
  auto current = std::make_shared<QPair<int, int>>(-1, -1);
  connect(model_, &QAbstractItemModel::modelAboutToBeReset, this, [this, scroll, current] {
    *scroll = grid_->verticalScrollBar()->value();
    *current = {grid_->currentIndex().row(), grid_->currentIndex().column()};
  });
  connect(model_, &QAbstractItemModel::modelReset, this, [this, scroll, current] {
    grid_->verticalScrollBar()->setRange(0, std::max(0, model_->rowCount() - 1));
    grid_->verticalScrollBar()->setValue(*scroll);
    if (current->first >= 0 && current->first < model_->rowCount()) {
      grid_->selectionModel()->setCurrentIndex(model_->index(current->first, current->second),
                                               QItemSelectionModel::NoUpdate);
    }
  });
}

void PanelValidacao::ShowLastRecord() {
  if (model_->rowCount() == 0) return;
  const QModelIndex last = model_->index(model_->rowCount() - 1, 0);
  grid_->setCurrentIndex(last);
  grid_->scrollTo(last);
}

void PanelValidacao::RemoveCurrentRecord() {
  const store::Row* row = model_->RowAt(grid_->currentIndex().row());
  if (!row) return;
  Dialogs& dialogs = form_.services().dialogs;
  const std::string card = SixDigits(row->record.Int("Numero").value_or(0));
  if (!dialogs.Ask(kRemoveCardTitle, "Exclui a cartela " + card + " da validação?")) return;
  if (auto status = store_.RemoveRecord(row->id); !status) dialogs.Inform(kStoreErrorTitle, status.error());
  model_->Reload();
  ShowView(direct_.Open());
}

}  // namespace tavelao::validation
