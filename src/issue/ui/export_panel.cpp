#include "issue/ui/export_panel.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/ui/main_form.h"
#include "app/ui/panel_style.h"
#include "app/ui/qt_text.h"
#include "issue/printing_house_export.h"

namespace tavelao::issue {
namespace {

constexpr const char* kLayoutLines[] = {
    "Número da cartela: 6 caracteres.",        "Digito de consistência da Cartela: 1 caractere",
    "As 25 dezenas da cartela: 50 caracteres", "Senha de autenticação: 5 caracteres.",
    "Totalizando uma linha de 62 caracteres",
};

QLineEdit* MakeRangeField(const QString& name, QWidget* parent) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(name);
  field->setFixedWidth(100);
  return field;
}

}  // namespace

PanelTexto::PanelTexto(app::TMainForm& form) : form_(form) {
  setObjectName(QStringLiteral("PanelTexto"));
  app::StylePanel(*this);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(app::MakePanelTitle(QStringLiteral("Geração de arquivo texto das cartelas para gráfica"),
                                        QStringLiteral("LabelTituloTexto"), this));
  auto* intro = new QLabel(QStringLiteral("Este procedimento gera o arquivo CARTGRAF.CSV no layout:"), this);
  intro->setObjectName(QStringLiteral("LabelTexto"));
  layout->addWidget(intro);
  int line = 1;
  for (const char* text : kLayoutLines) {
    auto* label = new QLabel(QString::fromUtf8(text), this);
    label->setObjectName(QStringLiteral("LabelLayout") + QString::number(line++));
    layout->addWidget(label);
  }

  auto* fields = new QFormLayout;
  first_ = MakeRangeField(QStringLiteral("EditCIG"), this);
  quantity_ = MakeRangeField(QStringLiteral("EditQuantG"), this);
  fields->addRow(QStringLiteral("Cartela inicial"), first_);
  fields->addRow(QStringLiteral("Quantidade"), quantity_);
  layout->addLayout(fields);

  auto* buttons = new QHBoxLayout;
  QPushButton* gera = app::MakeButton(QStringLiteral("Gera"), QStringLiteral("ButtonGera"), this);
  app::PressOnEnter(*this, *gera);
  QPushButton* sai = app::MakeButton(QStringLiteral("Sai"), QStringLiteral("ButtonSaiG"), this);
  buttons->addStretch();
  buttons->addWidget(gera);
  buttons->addWidget(sai);
  layout->addLayout(buttons);
  connect(gera, &QPushButton::clicked, this, &PanelTexto::ButtonGeraClick);
  connect(sai, &QPushButton::clicked, this, &QWidget::hide);
}

void PanelTexto::Open() {
  form_.ShowPanel(this);
  first_->setFocus();
}

void PanelTexto::ButtonGeraClick() {
  session::Workspace& ws = form_.workspace();
  const ExportOutcome outcome =
      ExportForPrintingHouse(ws.bank, ws.password, ws.issuer, ws.place(), app::ToUtf8(first_->text()),
                             app::ToUtf8(quantity_->text()), form_.services().dialogs, SystemClock());
  if (outcome == ExportOutcome::kWritten) hide();
}

void InstallExportPanel(app::TMainForm& form) {
  auto* panel = new PanelTexto(form);
  form.AddPanel(panel);
  form.EnableMenuEntry(QStringLiteral("Gerararquivotextoparagrfica1"), [panel] { panel->Open(); });
}

}  // namespace tavelao::issue
