#include "app/ui/prize_panel.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/ui/main_form.h"
#include "app/ui/panel_style.h"
#include "app/ui/qt_text.h"

namespace tavelao::app {

PanelPremios::PanelPremios(TMainForm& form) : form_(form) {
  setObjectName(QStringLiteral("PanelPremios"));
  StylePanel(*this);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(
      MakePanelTitle(QStringLiteral("Descrição dos prêmios:"), QStringLiteral("LabelTituloPremios"), this));
  auto* rows = new QFormLayout;
  for (int i = 0; i < 9; ++i) {
    const QString k = QString::number(i + 1);
    fields_[i] = new QLineEdit(this);
    fields_[i]->setObjectName(QStringLiteral("EditPremio") + k);
    fields_[i]->setMaxLength(30);
    fields_[i]->setFixedWidth(300);
    rows->addRow(k + QStringLiteral("º prêmio"), fields_[i]);
  }
  layout->addLayout(rows);
  QPushButton* ok = MakeButton(QStringLiteral("OK"), QStringLiteral("OKPremios"), this);
  PressOnEnter(*this, *ok);
  layout->addWidget(ok, 0, Qt::AlignRight);
  connect(ok, &QPushButton::clicked, this, &PanelPremios::OKPremiosClick);
}

void PanelPremios::Open() {
  const auto& prizes = form_.card_options().prizes;
  for (int i = 0; i < 9; ++i) fields_[i]->setText(ToQString(prizes[i]));
  form_.ShowPanel(this);
  fields_[0]->setFocus();
}

void PanelPremios::OKPremiosClick() {
  hide();
  session::CardOptions& options = form_.card_options();
  for (int i = 0; i < 9; ++i) options.prizes[i] = ToUtf8(fields_[i]->text());
  if (auto status = session::WriteCardOptions(form_.workspace().options, options); !status) {
    // The descriptions still hold for this run; the organiser must know
    // they will not be there at the next start.
    form_.services().dialogs.Inform("Descrição dos prêmios",
                                    status.error() + " As descrições valem nesta execução, mas não foram gravadas.");
  }
}

void InstallPrizePanel(TMainForm& form) {
  auto* panel = new PanelPremios(form);
  form.AddPanel(panel);
  form.EnableMenuEntry(QStringLiteral("MenuDescr"), [panel] { panel->Open(); });
}

}  // namespace tavelao::app
