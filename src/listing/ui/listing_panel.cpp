#include "listing/ui/listing_panel.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/ui/main_form.h"
#include "app/ui/panel_style.h"
#include "app/ui/qt_text.h"
#include "report/ui/preview_window.h"

namespace tavelao::listing {
namespace {

constexpr std::string_view kTitle = "Listagem das cartelas";

QLineEdit* MakeCardField(const QString& name, QWidget* parent) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(name);
  field->setFixedWidth(100);
  return field;
}

QRadioButton* MakeStyleButton(const QString& text, const QString& name, QWidget* parent) {
  auto* button = new QRadioButton(text, parent);
  button->setObjectName(name);
  return button;
}

}  // namespace

PanelLista::PanelLista(app::TMainForm& form) : form_(form) {
  setObjectName(QStringLiteral("PanelLista"));
  app::StylePanel(*this);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(app::MakePanelTitle(app::ToQString(kTitle), QStringLiteral("LabelTituloLista"), this));

  auto* fields = new QFormLayout;
  first_ = MakeCardField(QStringLiteral("EditCartIn"), this);
  last_ = MakeCardField(QStringLiteral("EditCartFin"), this);
  fields->addRow(QStringLiteral("Cartela inicial"), first_);
  fields->addRow(QStringLiteral("Cartela final"), last_);
  layout->addLayout(fields);

  // Siblings of one parent: exactly one of them is checked.
  three_rows_ = MakeStyleButton(QStringLiteral("3 linhas"), QStringLiteral("RB3linhas"), this);
  four_rows_ = MakeStyleButton(QStringLiteral("4 linhas"), QStringLiteral("RB4linhas"), this);
  five_rows_ = MakeStyleButton(QStringLiteral("5 linhas"), QStringLiteral("RB5linhas"), this);
  diagonal_ = MakeStyleButton(QStringLiteral("Diagonal"), QStringLiteral("RB5Dia"), this);
  three_rows_->setChecked(true);
  auto* styles = new QHBoxLayout;
  for (QRadioButton* button : {three_rows_, four_rows_, five_rows_, diagonal_}) styles->addWidget(button);
  layout->addLayout(styles);

  auto* buttons = new QHBoxLayout;
  QPushButton* emite = app::MakeButton(QStringLiteral("Emite"), QStringLiteral("ButtonListaEmite"), this);
  app::PressOnEnter(*this, *emite);
  QPushButton* sai = app::MakeButton(QStringLiteral("Sai"), QStringLiteral("ButtonListaSai"), this);
  buttons->addStretch();
  buttons->addWidget(emite);
  buttons->addWidget(sai);
  layout->addLayout(buttons);
  connect(emite, &QPushButton::clicked, this, &PanelLista::ButtonListaEmiteClick);
  connect(sai, &QPushButton::clicked, this, &QWidget::hide);

  preview_ = new report::PreviewWindow(form_.services().dialogs, &form_);
  // Apart from the issue panel's preview, under the print form's name.
  preview_->setObjectName(QStringLiteral("FormRel"));
  preview_->hide();
}

void PanelLista::L1Click() {
  form_.ShowPanel(this);
  first_->setFocus();
}

ListingStyle PanelLista::style() const {
  if (four_rows_->isChecked()) return ListingStyle::kFourRows;
  if (five_rows_->isChecked()) return ListingStyle::kFiveRows;
  if (diagonal_->isChecked()) return ListingStyle::kDiagonal;
  return ListingStyle::kThreeRows;
}

void PanelLista::ButtonListaEmiteClick() {
  const auto range = ListingRange(app::ToUtf8(first_->text()), app::ToUtf8(last_->text()));
  if (!range) return;
  hide();
  const session::Workspace& workspace = form_.workspace();
  auto document = BuildCardListing(workspace.folder, workspace.bank, *range, style());
  if (!document) {
    form_.services().dialogs.Inform(kTitle, document.error());
    return;
  }
  preview_->Open(std::move(*document));
}

void InstallListingPanel(app::TMainForm& form) {
  auto* panel = new PanelLista(form);
  form.AddPanel(panel);
  form.EnableMenuEntry(QStringLiteral("L1"), [panel] { panel->L1Click(); });
}

}  // namespace tavelao::listing
