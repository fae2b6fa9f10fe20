#include "issue/ui/issue_panel.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <memory>

#include "app/ui/main_form.h"
#include "app/ui/panel_style.h"
#include "app/ui/qt_text.h"
#include "issue/issue_run.h"
#include "layouts/card_models.h"
#include "layouts/print_card_file.h"
#include "report/ui/preview_window.h"

namespace tavelao::issue {
namespace {

constexpr const char* kTitle = "Emissão de cartelas de bingo.";

bool IsWindowSwitch(Qt::FocusReason reason) {
  return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}

QLineEdit* MakeNumberField(const QString& name, int width, QWidget* parent) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(name);
  field->setFixedWidth(width);
  return field;
}

}  // namespace

PanelFiltraCar::PanelFiltraCar(app::TMainForm& form, std::function<std::string()> free_text)
    : form_(form), free_text_(std::move(free_text)) {
  setObjectName(QStringLiteral("PanelFiltraCar"));
  app::StylePanel(*this);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(app::MakePanelTitle(QString::fromUtf8(kTitle), QStringLiteral("LabelTituloEmissao"), this));

  auto* model_row = new QHBoxLayout;
  auto* model_caption = new QLabel(QStringLiteral("Modelo:"), this);
  model_caption->setObjectName(QStringLiteral("LabelModelo"));
  model_name_ = new QLabel(QStringLiteral("Nome do modelo"), this);
  model_name_->setObjectName(QStringLiteral("LabelNomemod"));
  model_name_->setWordWrap(true);
  QFont name_font = model_name_->font();
  name_font.setBold(true);
  model_name_->setFont(name_font);
  model_row->addWidget(model_caption, 0, Qt::AlignTop);
  model_row->addWidget(model_name_, 1);
  layout->addLayout(model_row);

  auto* fields = new QGridLayout;
  first_ = MakeNumberField(QStringLiteral("EditCI"), 70, this);
  quantity_ = MakeNumberField(QStringLiteral("EditQT"), 70, this);
  auto* first_caption = new QLabel(QStringLiteral("Número da cartela Inicial:"), this);
  first_caption->setObjectName(QStringLiteral("LabelCI"));
  auto* quantity_caption = new QLabel(QStringLiteral("Quantidade de cartelas:"), this);
  quantity_caption->setObjectName(QStringLiteral("LabelQT"));
  fields->addWidget(first_caption, 0, 0);
  fields->addWidget(first_, 0, 1);
  fields->addWidget(quantity_caption, 1, 0);
  fields->addWidget(quantity_, 1, 1);
  fields->setColumnStretch(2, 1);
  layout->addLayout(fields);

  number_box_ = new QFrame(this);
  number_box_->setObjectName(QStringLiteral("Panel4a6"));
  number_box_->setFrameShape(QFrame::StyledPanel);
  auto* box = new QGridLayout(number_box_);
  number_caption_ = new QLabel(number_box_);
  number_caption_->setObjectName(QStringLiteral("LabelNumpre"));
  number_range_ = new QLabel(number_box_);
  number_range_->setObjectName(QStringLiteral("LabelNumPre2"));
  number_ = MakeNumberField(QStringLiteral("EditNP"), 40, number_box_);
  small_card_ = new QRadioButton(QStringLiteral("Cartela pequena"), number_box_);
  small_card_->setObjectName(QStringLiteral("RB2Car"));
  small_card_->setChecked(true);
  large_card_ = new QRadioButton(QStringLiteral("Cartela grande"), number_box_);
  large_card_->setObjectName(QStringLiteral("RB3Car"));
  box->addWidget(number_caption_, 0, 0);
  box->addWidget(number_, 0, 1, 2, 1, Qt::AlignVCenter);
  box->addWidget(number_range_, 1, 0);
  box->addWidget(small_card_, 0, 2);
  box->addWidget(large_card_, 1, 2);
  box->setColumnStretch(3, 1);
  small_card_->hide();
  large_card_->hide();
  number_box_->hide();
  layout->addWidget(number_box_);

  border_ = new QCheckBox(QStringLiteral("Suprime cercadura das cartelas"), this);
  border_->setObjectName(QStringLiteral("CBCercadura"));
  border_->hide();
  layout->addWidget(border_);

  auto* buttons = new QHBoxLayout;
  ok_ = app::MakeButton(QStringLiteral("OK"), QStringLiteral("ButtonOK"), this);
  QPushButton* cancel = app::MakeButton(QStringLiteral("Cancela"), QStringLiteral("ButtonCancela"), this);
  buttons->addStretch();
  buttons->addWidget(ok_);
  buttons->addWidget(cancel);
  layout->addLayout(buttons);
  connect(ok_, &QPushButton::clicked, this, &PanelFiltraCar::ButtonOkClick);
  connect(cancel, &QPushButton::clicked, this, &QWidget::hide);

  for (QLineEdit* field : {first_, quantity_, number_}) {
    field->installEventFilter(this);
    connect(field, &QLineEdit::returnPressed, this, [this, field] { FieldReturnPressed(field); });
  }
  connect(quantity_, &QLineEdit::textChanged, this, [this] { quantity_warning_.Retyped(); });
  setFixedWidth(layouts::kNarrowPanel);

  preview_ = new report::PreviewWindow(form_.services().dialogs, &form_);
  preview_->hide();
  // The models without an editor are served here; the editors' screens
  // enable theirs when they install.
  EnableModelEntries(layouts::CardEditor::kNone);
}

int PanelFiltraCar::model_code() const { return model_ ? model_->code : 0; }

void PanelFiltraCar::SetModelEditor(layouts::CardEditor editor, ModelEditor open) {
  Q_ASSERT(editor != layouts::CardEditor::kNone);
  const bool first = !editors_.contains(editor);
  editors_[editor] = std::move(open);
  if (first) EnableModelEntries(editor);
}

void PanelFiltraCar::EnableModelEntries(layouts::CardEditor editor) {
  for (const layouts::CardModel& model : layouts::CardModels()) {
    if (model.editor != editor) continue;
    form_.EnableMenuEntry(QString::fromUtf8(model.menu), [this, &model] { SelectCardModel(model); });
  }
}

void PanelFiltraCar::FieldReturnPressed(QLineEdit* field) {
  QLineEdit* last = number_box_->isVisible() ? number_ : quantity_;
  if (field == last) ok_->click();
}

bool PanelFiltraCar::eventFilter(QObject* watched, QEvent* event) {
  const bool focus = event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut;
  // Another window or a menu taking the focus for a while (a message box
  // among them) neither enters nor leaves a field.
  if (focus && IsWindowSwitch(static_cast<QFocusEvent*>(event)->reason())) return QFrame::eventFilter(watched, event);
  if (event->type() == QEvent::FocusIn && (watched == first_ || watched == quantity_)) {
    static_cast<QLineEdit*>(watched)->clear();  // EditCIEnter, EditQTEnter
  } else if (event->type() == QEvent::FocusOut && watched == quantity_) {
    // A box opened while a button is held takes the release, and the click
    // is lost: leaving for a button does not warn, "OK" warns itself.
    if (!qobject_cast<QAbstractButton*>(QApplication::focusWidget())) {
      quantity_warning_.WarnOnce(app::ToUtf8(quantity_->text()), form_.services().dialogs);
    }
  } else if (event->type() == QEvent::FocusOut && watched == number_) {
    const bool choice = layouts::ShowsCardSizeChoice(app::ToUtf8(number_->text()));
    small_card_->setVisible(choice);
    large_card_->setVisible(choice);
  }
  return QFrame::eventFilter(watched, event);
}

void PanelFiltraCar::SelectCardModel(const layouts::CardModel& model) {
  const layouts::IssuePanelSetup setup = layouts::SelectCardModel(model);
  model_ = &model;
  model_name_->setText(app::ToQString(setup.model_name));
  number_caption_->setText(app::ToQString(setup.number_caption));
  number_range_->setText(app::ToQString(setup.number_range));
  number_box_->setVisible(setup.number_box);
  border_->setVisible(setup.border_box);
  setFixedWidth(setup.width);
  adjustSize();
  form_.ShowPanel(this);
  first_->setFocus();
}

void PanelFiltraCar::ButtonOkClick() {
  // Read before the warning: a real box moves the focus away and back.
  const std::string first = app::ToUtf8(first_->text());
  const std::string quantity = app::ToUtf8(quantity_->text());
  Dialogs& dialogs = form_.services().dialogs;
  quantity_warning_.WarnOnce(quantity, dialogs);
  // Hiding leaves EditNP after an Enter there, which shows the size choice:
  // hide it afterwards.
  hide();
  small_card_->hide();
  large_card_->hide();
  session::Workspace& workspace = form_.workspace();
  if (RunIssue(card_file_, workspace.folder, workspace.bank, first, quantity, dialogs) != IssueOutcome::kIssued) {
    return;
  }
  // Read before the print, which may hand the card file over or delete it.
  auto issued = CardFileRange(card_file_);
  layouts::PrintRequest request;
  request.model_code = model_code();
  request.number_box_text = app::ToUtf8(number_->text());
  request.options.card = form_.card_options();
  request.options.free_text = std::make_shared<const std::string>(free_text_ ? free_text_() : std::string());
  request.options.suppress_border = border_->isChecked();
  request.large_card = large_card_->isChecked();
  auto printed = layouts::PrintCardFile(request, card_file_, workspace.password, workspace.issuer);
  if (!printed) {
    dialogs.Inform(kTitle, printed.error());
    return;
  }
  if (printed->kind != layouts::PrintKind::kNothingPrinted) {
    const Status recorded = RecordIssuedCards(workspace.place(), std::move(issued), SystemClock());
    if (!recorded) dialogs.Inform(kTitle, "A emissão não foi anotada em Emitidas.cds: " + recorded.error());
  }
  if (printed->number_box_text) number_->setText(app::ToQString(*printed->number_box_text));
  if (printed->narrow_panel) {
    setFixedWidth(layouts::kNarrowPanel);
    number_box_->hide();
  }
  switch (printed->kind) {
    case layouts::PrintKind::kPreview:
      preview_->Open(std::move(printed->document));
      break;
    case layouts::PrintKind::kNothingPrinted:
      break;
    case layouts::PrintKind::kEditor:
      if (auto editor = editors_.find(model_->editor); editor != editors_.end()) {
        editor->second(*printed, request.options, card_file_);
      }
      break;
  }
}

PanelFiltraCar& InstallIssuePanel(app::TMainForm& form, std::function<std::string()> free_text) {
  auto* panel = new PanelFiltraCar(form, std::move(free_text));
  form.AddPanel(panel);
  // Opening the menu hides the border box: only models 1, 2 and 3 show it.
  if (QMenu* menu = form.Menu(QStringLiteral("MenuEmissao"))) {
    QObject::connect(menu, &QMenu::aboutToShow, panel, [panel] {
      if (auto* box = panel->findChild<QCheckBox*>(QStringLiteral("CBCercadura"))) box->hide();
    });
  }
  return *panel;
}

}  // namespace tavelao::issue
