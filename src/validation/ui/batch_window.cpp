#include "validation/ui/batch_window.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>

#include "app/ui/main_form.h"
#include "app/ui/qt_text.h"
#include "app/ui/upper_case_validator.h"
#include "common/folder_files.h"
#include "validation/ui/scan_hold_back.h"
#include "validation/ui/validation_grid_model.h"
#include "validation/validation_messages.h"
#include "validation/validation_store.h"

namespace tavelao::validation {

class TFormInc::FolderSounds : public Sounds {
 public:
  FolderSounds(Sounds& sounds, std::filesystem::path folder) : sounds_(sounds), folder_(std::move(folder)) {}
  void Play(const std::string& file_name) override {
    sounds_.Play(FindFileIgnoringCase(folder_, file_name).value_or(file_name));
  }

 private:
  Sounds& sounds_;
  std::filesystem::path folder_;
};

TFormInc::TFormInc(app::TMainForm& form, ValidationStore& store, EntryKeys keys, std::function<void()> batch_saved)
    : QWidget(&form, Qt::Window),
      sounds_(std::make_unique<FolderSounds>(form.services().sounds, form.workspace().folder)),
      claims_(BatchClaimsFor(form.workspace().server)),
      batch_(store, keys, form.services().dialogs, *sounds_, form.workspace().place(), claims_.get()),
      batch_saved_(std::move(batch_saved)),
      dialogs_(form.services().dialogs) {
  setObjectName(QStringLiteral("TFormInc"));
  setWindowTitle(QStringLiteral("Validação por lote"));

  auto* layout = new QVBoxLayout(this);
  auto* fields = new QFormLayout;
  lote_ = new QLineEdit(this);
  lote_->setObjectName(QStringLiteral("EditLote"));
  lote_->setValidator(new app::UpperCaseValidator(lote_));
  lote_->setFixedWidth(120);
  fields->addRow(QStringLiteral("Lote"), lote_);
  layout->addLayout(fields);

  choice_ = new QFrame(this);
  choice_->setObjectName(QStringLiteral("PanelSalva"));
  choice_->setFrameShape(QFrame::StyledPanel);
  auto* choice_row = new QHBoxLayout(choice_);
  save_ = new QRadioButton(QStringLiteral("Salva o Lote"), choice_);
  save_->setObjectName(QStringLiteral("RBSalva"));
  remove_ = new QRadioButton(QStringLiteral("Exclui o lote"), choice_);
  remove_->setObjectName(QStringLiteral("RBExclui"));
  // Exclusive groups never uncheck; the buttons are actions, so they are unchecked again by hand.
  choices_ = new QButtonGroup(this);
  choices_->setExclusive(false);
  choices_->addButton(save_);
  choices_->addButton(remove_);
  choice_row->addWidget(save_);
  choice_row->addWidget(remove_);
  layout->addWidget(choice_);

  auto* card_fields = new QFormLayout;
  cartela_ = new QLineEdit(this);
  cartela_->setObjectName(QStringLiteral("EditVal"));
  cartela_->setFixedWidth(160);
  card_fields->addRow(QStringLiteral("Cartela"), cartela_);
  layout->addLayout(card_fields);

  model_ = new ValidationGridModel(store, BatchListColumns(), nullptr, this);
  model_->SetView(NoBatchView());
  list_ = new QTableView(this);
  list_->setObjectName(QStringLiteral("DBGrid1"));
  list_->setModel(model_);
  list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list_->setSelectionBehavior(QAbstractItemView::SelectRows);
  list_->verticalHeader()->hide();
  list_->verticalHeader()->setDefaultSectionSize(22);
  // The three columns share the width: no card number hidden behind a scroll bar.
  list_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  list_->setMinimumSize(300, 320);
  layout->addWidget(list_);

  auto* count_row = new QHBoxLayout;
  count_row->addWidget(new QLabel(QStringLiteral("Cartelas validadas:"), this));
  count_ = new QLabel(this);
  count_->setObjectName(QStringLiteral("LabelValidadas"));
  QFont bold = count_->font();
  bold.setBold(true);
  count_->setFont(bold);
  count_row->addWidget(count_);
  count_row->addStretch();
  layout->addLayout(count_row);

  // Said where the operator looks, without a box to click away between scans.
  notice_ = new QLabel(this);
  notice_->setObjectName(QStringLiteral("LabelAviso"));
  QFont notice_font = notice_->font();
  notice_font.setBold(true);
  notice_font.setPointSize(notice_font.pointSize() + 4);
  notice_->setFont(notice_font);
  layout->addWidget(notice_);

  connect(lote_, &QLineEdit::editingFinished, this, &TFormInc::EditLoteExit);
  connect(cartela_, &QLineEdit::returnPressed, this, &TFormInc::SaiEnterV);
  connect(save_, &QRadioButton::clicked, this, &TFormInc::RBSalvaClick);
  connect(remove_, &QRadioButton::clicked, this, &TFormInc::RBExcluiClick);
  BatchReply initial;
  initial.view = batch_.view();
  Apply(initial);
}

TFormInc::~TFormInc() = default;

void TFormInc::Open() {
  show();
  raise();
  activateWindow();
  FormActivate();
}

void TFormInc::FormActivate() { Apply(batch_.Activate()); }
void TFormInc::EditLoteExit() {
  if (lote_->isEnabled()) Apply(batch_.LeaveLote(app::ToUtf8(lote_->text())));
}
void TFormInc::RBSalvaClick() { Apply(batch_.SaveBatch()); }
void TFormInc::RBExcluiClick() { Apply(batch_.RemoveBatch()); }
void TFormInc::SaiEnterV() {
  ScanHoldBack::Held held;
  {
    ScanHoldBack hold([this] { sounds_->Play(kSoundValidated); });
    Apply(batch_.EnterCard(app::ToUtf8(cartela_->text())));
    held = hold.Take();
  }
  for (const QString& scan : held.scans) {
    if (!cartela_->isEnabled()) {
      dialogs_.Inform(kNotABatchTitle, HeldAfterBatchMessage(batch_.view().batch, app::ToUtf8(scan)));
      continue;
    }
    cartela_->setText(scan);
    SaiEnterV();
  }
  if (!held.typing.isEmpty() && cartela_->isEnabled()) cartela_->setText(held.typing);
}

void TFormInc::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() != QEvent::ActivationChange) return;
  if (!isActiveWindow()) {
    // A message box of this window takes the focus for a moment; coming back
    // from it is not coming back from another window.
    returning_from_box_ = QApplication::activeModalWidget() != nullptr;
    return;
  }
  if (returning_from_box_) {
    returning_from_box_ = false;
    return;
  }
  FormActivate();
}

void TFormInc::closeEvent(QCloseEvent* event) {
  Apply(batch_.Close());
  event->accept();
}

void TFormInc::Apply(const BatchReply& reply) {
  if (reply.batch_saved && batch_saved_) batch_saved_();
  const BatchWindowView& view = reply.view;
  if (reply.empty_lote) lote_->clear();
  if (reply.empty_cartela) cartela_->clear();
  if (reply.notice) notice_->setText(app::ToQString(*reply.notice));
  lote_->setEnabled(view.lote_enabled);
  choice_->setEnabled(view.choice_enabled);
  cartela_->setEnabled(view.cartela_enabled);
  save_->setChecked(false);
  remove_->setChecked(false);
  count_->setText(app::ToQString(view.count));
  model_->SetView(view.list);
  if (model_->rowCount() > 0) list_->scrollToBottom();
  if (reply.focus == Focus::Lote) lote_->setFocus();
  if (reply.focus == Focus::Cartela) cartela_->setFocus();
  if (reply.select_lote) lote_->selectAll();
  if (reply.select_cartela) cartela_->selectAll();
}

}  // namespace tavelao::validation
