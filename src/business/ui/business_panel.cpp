#include "business/ui/business_panel.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "app/ui/main_form.h"
#include "app/ui/panel_style.h"
#include "app/ui/qt_text.h"
#include "business/business_cards.h"
#include "business/business_print.h"
#include "business/ui/sponsor_grid.h"
#include "issue/ui/issue_panel.h"
#include "layouts/card_models.h"
#include "layouts/print_card_file.h"
#include "report/ui/preview_window.h"
#include "session/data_files.h"

namespace tavelao::business {
namespace {

struct FieldLook {
  const char* caption;
  const char* name;
  int max_length;
  int width;
};

// In the order of kEditedEventFields.
constexpr FieldLook kFieldLooks[] = {
    {"Titulo", "EditTitulo", 50, 380},       {"Promovido por: ", "EditPromotor", 40, 320},
    {"Data: ", "EditData", 10, 90},          {"Hora: ", "EditHora", 10, 90},
    {"Local: ", "EditLocal", 60, 460},       {"Valor: ", "EditValor", 18, 120},
    {"Observação 1: ", "EditObs1", 70, 520}, {"Observação 2: ", "EditObs2", 70, 520},
};
static_assert(std::size(kFieldLooks) == std::size(kEditedEventFields));

}  // namespace

PanelBE::PanelBE(app::TMainForm& form) : form_(form) {
  setObjectName(QStringLiteral("PanelBE"));
  app::StylePanel(*this);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(app::MakePanelTitle(QString::fromUtf8(kBusinessTitle), QStringLiteral("LabelTituloBE"), this));

  auto* rows = new QGridLayout;
  for (std::size_t i = 0; i < fields_.size(); ++i) {
    const FieldLook& look = kFieldLooks[i];
    auto* caption = new QLabel(QString::fromUtf8(look.caption), this);
    fields_[i] = new QLineEdit(this);
    fields_[i]->setObjectName(QString::fromUtf8(look.name));
    fields_[i]->setMaxLength(look.max_length);
    fields_[i]->setFixedWidth(look.width);
    caption->setBuddy(fields_[i]);
    rows->addWidget(caption, static_cast<int>(i), 0);
    rows->addWidget(fields_[i], static_cast<int>(i), 1, Qt::AlignLeft);
    const EventField field = kEditedEventFields[i];
    connect(fields_[i], &QLineEdit::editingFinished, this, [this, field] { StoreField(field); });
  }
  fields_[2]->setPlaceholderText(QStringLiteral("dd/mm/aaaa"));
  fields_[5]->setPlaceholderText(QStringLiteral("1.234,56"));
  rows->setColumnStretch(2, 1);
  layout->addLayout(rows);

  auto* sponsors = new QGroupBox(QStringLiteral("Empresas"), this);
  sponsors->setObjectName(QStringLiteral("GroupEmpresas"));
  auto* sponsors_layout = new QVBoxLayout(sponsors);
  grid_ = new QTableView(sponsors);
  grid_->setObjectName(QStringLiteral("DBGridNomeCar"));
  model_ = new SponsorGridModel(form_.services().dialogs, grid_);
  grid_->setModel(model_);
  grid_->setItemDelegate(new SponsorNameDelegate(grid_));
  grid_->verticalHeader()->hide();
  grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 6);
  grid_->setColumnWidth(0, 50);
  for (int c = 1; c <= 3; ++c) grid_->setColumnWidth(c, 150);
  grid_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                         QAbstractItemView::AnyKeyPressed);
  grid_->setFixedSize(50 + 3 * 150 + 24, 240);
  sponsors_layout->addWidget(grid_);
  layout->addWidget(sponsors);

  names_only_ = new QCheckBox(QStringLiteral("Suprime a emissão das dezenas. Emite somente o nome das empresas"), this);
  names_only_->setObjectName(QStringLiteral("CBEmpresas"));
  layout->addWidget(names_only_);

  auto* buttons = new QHBoxLayout;
  QPushButton* list = app::MakeButton(QStringLiteral("Imprime a lista das empresas"), QStringLiteral("BitBtn2"), this);
  QPushButton* csv = app::MakeButton(QStringLiteral("Gerar CARTGRAFBE.CSV "), QStringLiteral("ButtonGeraCBE"), this);
  ok_ = app::MakeButton(QStringLiteral("OK"), QStringLiteral("ButtonOKBE2"), this);
  buttons->addWidget(list);
  buttons->addWidget(csv);
  buttons->addStretch();
  buttons->addWidget(ok_);
  layout->addLayout(buttons);
  connect(list, &QPushButton::clicked, this, &PanelBE::BitBtn2Click);
  connect(csv, &QPushButton::clicked, this, &PanelBE::ButtonGeraCBEClick);
  connect(ok_, &QPushButton::clicked, this, &PanelBE::ButtonOKBE2Click);

  cards_preview_ = new report::PreviewWindow(form_.services().dialogs, &form_);
  cards_preview_->setObjectName(QStringLiteral("FormEmpE"));
  cards_preview_->hide();
  cards_preview_->installEventFilter(this);
  list_preview_ = new report::PreviewWindow(form_.services().dialogs, &form_);
  list_preview_->setObjectName(QStringLiteral("FormEmp"));
  list_preview_->hide();
}

void PanelBE::Open(store::Table& card_file) {
  Dialogs& dialogs = form_.services().dialogs;
  const auto& folder = form_.workspace().folder;
  // The preview of the last event gives up its tables now; the card file is
  // already the new run's.
  if (cards_preview_->isVisible()) {
    card_file_ = nullptr;
    cards_preview_->close();
  }
  card_file_ = &card_file;
  // Start-up made both files; they are made again if removed since.
  for (auto ensure : {session::EnsureEvent, session::EnsureSponsors}) {
    if (auto made = ensure(folder); !made) return dialogs.Inform(kBusinessTitle, made.error());
  }
  auto event = store::Table::Open(folder / session::kEventFile);
  if (!event) return dialogs.Inform(kBusinessTitle, event.error());
  auto sponsors = store::Table::Open(folder / session::kSponsorsFile);
  if (!sponsors) return dialogs.Inform(kBusinessTitle, sponsors.error());
  auto texts = ReadEventTexts(*event);
  if (!texts) return dialogs.Inform(kBusinessTitle, texts.error());
  event_ = std::move(*event);
  sponsors_ = std::move(*sponsors);
  stored_ = std::move(*texts);
  ShowStoredFields();
  model_->Bind(&sponsors_);
  form_.SetMainMenusVisible(false);
  form_.ShowPanel(this);
  fields_[0]->setFocus();
}

void PanelBE::ShowStoredFields() {
  for (std::size_t i = 0; i < fields_.size(); ++i) {
    fields_[i]->setText(app::ToQString(stored_.Of(kEditedEventFields[i])));
  }
}

bool PanelBE::StoreField(EventField field) {
  if (!event_.is_open()) return true;
  const auto at = static_cast<std::size_t>(
      std::find(std::begin(kEditedEventFields), std::end(kEditedEventFields), field) - std::begin(kEditedEventFields));
  QLineEdit* edit = fields_[at];
  const std::string text = app::ToUtf8(edit->text());
  if (text == stored_.Of(field)) return true;
  auto stored = StoreEventField(event_, field, text);
  if (stored) {
    if (auto texts = ReadEventTexts(event_)) stored_ = std::move(*texts);
  } else {
    form_.services().dialogs.Inform(kBusinessTitle, stored.error());
  }
  // The field shows what the record holds: "1234,5" reads "1.234,50".
  edit->setText(app::ToQString(stored_.Of(field)));
  return stored.ok();
}

bool PanelBE::StoreChangedFields() {
  bool all = true;
  for (EventField field : kEditedEventFields) all = StoreField(field) && all;
  return all;
}

void PanelBE::ButtonGeraCBEClick() {
  if (!card_file_ || !sponsors_.is_open()) return;
  Dialogs& dialogs = form_.services().dialogs;
  auto sponsors = Sponsors::Load(sponsors_);
  if (!sponsors) return dialogs.Inform(kBusinessTitle, sponsors.error());
  session::Workspace& workspace = form_.workspace();
  if (auto written = WriteBusinessExport(workspace.folder, workspace.bank, *card_file_, *sponsors); !written) {
    dialogs.Inform(kBusinessTitle, written.error());
  }
}

void PanelBE::BitBtn2Click() {
  if (!sponsors_.is_open()) return;
  auto document = PrintSponsorList(sponsors_);
  if (!document) return form_.services().dialogs.Inform(kBusinessTitle, document.error());
  list_preview_->Open(std::move(*document));
}

void PanelBE::ButtonOKBE2Click() {
  if (!card_file_ || !event_.is_open()) return;
  // Leaving the field or grid cell being edited posts it.
  ok_->setFocus(Qt::OtherFocusReason);
  if (!StoreChangedFields()) return;
  const BusinessTables tables{*card_file_, event_, sponsors_};
  auto document = PrintBusinessCards(form_.workspace().folder, tables, form_.card_options(), names_only_->isChecked());
  if (!document) return form_.services().dialogs.Inform(kBusinessTitle, document.error());
  hide();
  form_.SetMainMenusVisible(true);
  cards_preview_->Open(std::move(*document));
}

bool PanelBE::eventFilter(QObject* watched, QEvent* event) {
  if (watched == cards_preview_ && event->type() == QEvent::Close) CloseTables();
  return QFrame::eventFilter(watched, event);
}

void PanelBE::CloseTables() {
  model_->Bind(nullptr);
  event_.Close();
  sponsors_.Close();
  if (card_file_) card_file_->Close();
  card_file_ = nullptr;
}

void InstallBusinessPanel(app::TMainForm& form, issue::PanelFiltraCar& issue_panel) {
  auto* panel = new PanelBE(form);
  form.AddPanel(panel);
  issue_panel.SetModelEditor(layouts::CardEditor::kBusiness,
                             [panel](const layouts::PrintResult&, const layouts::LayoutOptions&,
                                     store::Table& card_file) { panel->Open(card_file); });
}

}  // namespace tavelao::business
