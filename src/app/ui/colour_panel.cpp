#include "app/ui/colour_panel.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/ui/colour_picker.h"
#include "app/ui/main_form.h"
#include "app/ui/panel_style.h"
#include "app/ui/qt_text.h"

namespace tavelao::app {
namespace {

const char* const kRowCaptions[3] = {"Primeiro prêmio", "Segundo prêmio", "Terceiro prêmio"};

}  // namespace

PanelCor::PanelCor(TMainForm& form) : form_(form) {
  setObjectName(QStringLiteral("PanelCor"));
  StylePanel(*this);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(
      MakePanelTitle(QStringLiteral("Cores dos números das cartelas"), QStringLiteral("LabelTituloCor"), this));
  auto* rows = new QGridLayout;
  rows->setHorizontalSpacing(12);
  for (int row = 0; row < 3; ++row) {
    const QString k = QString::number(row + 1);
    auto* caption = new QLabel(QString::fromUtf8(kRowCaptions[row]), this);
    caption->setObjectName(QStringLiteral("LabelPremioCor") + k);
    labels_[row] = new QLabel(this);
    labels_[row]->setObjectName(QStringLiteral("LabelCor") + k);
    labels_[row]->setFixedSize(56, 24);
    labels_[row]->setFrameShape(QFrame::Box);
    labels_[row]->setAutoFillBackground(true);
    labels_[row]->setBackgroundRole(QPalette::Window);  // not the panel's role
    PaintSwatch(row);
    QPushButton* change = MakeButton(QStringLiteral("Altera"), QStringLiteral("ButtonCor") + k, this);
    connect(change, &QPushButton::clicked, this, [this, row] { ButtonCorClick(row); });
    rows->addWidget(caption, row, 0);
    rows->addWidget(labels_[row], row, 1);
    rows->addWidget(change, row, 2);
  }
  layout->addLayout(rows);
  QPushButton* ok = MakeButton(QStringLiteral("OK"), QStringLiteral("ButtonOKCor"), this);
  PressOnEnter(*this, *ok);
  layout->addWidget(ok, 0, Qt::AlignRight);
  connect(ok, &QPushButton::clicked, this, &PanelCor::ButtonOKCorClick);
}

void PanelCor::PaintSwatch(int row) {
  QPalette palette = labels_[row]->palette();
  palette.setColor(QPalette::Window, ToQColor(swatches_[row]));
  labels_[row]->setPalette(palette);
}

void PanelCor::ButtonCorClick(int row) {
  if (auto chosen = form_.services().colours.Pick(swatches_[row], QStringLiteral("Cor dos números"))) {
    swatches_[row] = *chosen;
    PaintSwatch(row);
  }
}

void PanelCor::ButtonOKCorClick() {
  hide();
  form_.ApplyNumberColours(swatches_);
}

void InstallColourPanel(TMainForm& form) {
  auto* panel = new PanelCor(form);
  form.AddPanel(panel);
  form.EnableMenuEntry(QStringLiteral("MenuCor"), [&form, panel] { form.ShowPanel(panel); });
}

}  // namespace tavelao::app
