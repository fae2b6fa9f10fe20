#include "app/ui/letter_panel.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/ui/main_form.h"
#include "app/ui/panel_style.h"
#include "app/ui/qt_text.h"
#include "session/data_files.h"

namespace tavelao::app {

PanelPalavra::PanelPalavra(TMainForm& form) : form_(form) {
  setObjectName(QStringLiteral("PanelPalavra"));
  StylePanel(*this);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(
      MakePanelTitle(QStringLiteral("Título dos quadros(padrão = BINGO)"), QStringLiteral("LabelTituloPalavra"), this));
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(12);
  for (int k = 0; k < 5; ++k) {
    const QString field = QString::fromLatin1(session::kLetterFields[k]);
    auto* caption = new QLabel(QString::number(k + 1) + QStringLiteral("º letra"), this);
    caption->setObjectName(QStringLiteral("LabelLetra") + QString::number(k + 1));
    fields_[k] = new QLineEdit(this);
    fields_[k]->setObjectName(QStringLiteral("Edit") + field);
    fields_[k]->setMaxLength(1);
    fields_[k]->setAlignment(Qt::AlignCenter);
    fields_[k]->setFixedWidth(56);
    QFont large = fields_[k]->font();
    large.setBold(true);
    large.setPointSizeF(large.pointSizeF() * 1.4);
    fields_[k]->setFont(large);
    grid->addWidget(caption, 0, k, Qt::AlignHCenter);
    grid->addWidget(fields_[k], 1, k, Qt::AlignHCenter);
  }
  layout->addLayout(grid);
  QPushButton* ok = MakeButton(QStringLiteral("OK"), QStringLiteral("ButtonPalavra"), this);
  PressOnEnter(*this, *ok);
  layout->addWidget(ok, 0, Qt::AlignRight);
  connect(ok, &QPushButton::clicked, this, &PanelPalavra::ButtonPalavraClick);
}

void PanelPalavra::Open() {
  const auto& letters = form_.card_options().letters;
  for (int k = 0; k < 5; ++k) fields_[k]->setText(ToQString(letters[k]));
  form_.ShowPanel(this);
  fields_[0]->setFocus();
  fields_[0]->selectAll();
}

void PanelPalavra::ButtonPalavraClick() {
  session::CardOptions& options = form_.card_options();
  for (int k = 0; k < 5; ++k) options.letters[k] = ToUtf8(fields_[k]->text());
  const Status posted = session::WriteCardOptions(form_.workspace().options, options);
  hide();
  // The letters are applied even when they could not be stored.
  form_.ApplyTitleLetters();
  if (!posted) {
    form_.services().dialogs.Inform("Título dos quadros",
                                    posted.error() + " As letras valem nesta execução, mas não foram gravadas.");
  }
}

void InstallLetterPanel(TMainForm& form) {
  auto* panel = new PanelPalavra(form);
  form.AddPanel(panel);
  form.EnableMenuEntry(QStringLiteral("MenuAJUDE"), [panel] { panel->Open(); });
}

}  // namespace tavelao::app
