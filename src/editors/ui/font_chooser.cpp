#include "editors/ui/font_chooser.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/ui/colour_picker.h"
#include "app/ui/qt_text.h"

namespace tavelao::editors {
namespace {

// "Negrito" is "Sim" only for a style that is exactly bold.
DialogFont ShownAs(const QFont& font) {
  return {app::ToUtf8(font.family()), font.pointSize(),
          font.weight() == QFont::Bold && !font.italic() && !font.underline() && !font.strikeOut()};
}

// The stored font under the family this machine draws it with: the font
// dialog lists no "Arial" where Liberation Sans stands in for it, and
// would open on its first family instead.
QFont AsDrawnHere(const NumberFont& font) {
  const QFont stored(app::ToQString(font.name), font.size, font.bold ? QFont::Bold : QFont::Normal);
  const QFontInfo drawn(stored);
  QFont shown(drawn.family(), font.size, font.bold ? QFont::Bold : QFont::Normal);
  shown.setStyleName(drawn.styleName());
  return shown;
}

class ColourButton : public QPushButton {
 public:
  ColourButton(const QString& caption, const char* name, const QString& title, Rgb colour, QWidget* parent)
      : QPushButton(caption, parent), title_(title), colour_(colour) {
    setObjectName(QString::fromUtf8(name));
    Paint();
  }
  Rgb colour() const { return colour_; }
  void Pick(app::ColourPicker& colours) {
    if (auto chosen = colours.Pick(colour_, title_)) colour_ = *chosen;
    Paint();
  }

 private:
  void Paint() {
    QPixmap swatch(28, 14);
    swatch.fill(app::ToQColor(colour_));
    setIcon(QIcon(swatch));
  }
  QString title_;
  Rgb colour_;
};

}  // namespace

FontChoice QtFontChooser::Choose(const FontChoice& preset, QWidget* parent) {
  QDialog dialog(parent);
  dialog.setObjectName(QStringLiteral("DialogFonte"));
  dialog.setWindowTitle(QStringLiteral("Seleciona fonte"));
  auto* column = new QVBoxLayout(&dialog);

  auto* fonts = new QFontDialog(&dialog);
  fonts->setObjectName(QStringLiteral("FontDialog"));
  fonts->setWindowFlags(Qt::Widget);
  fonts->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
  fonts->setCurrentFont(AsDrawnHere(preset.font));
  const DialogFont shown = ShownAs(fonts->currentFont());
  // Esc inside it would hide only the embedded dialog.
  QObject::connect(fonts, &QDialog::rejected, &dialog, &QDialog::reject);
  column->addWidget(fonts);

  auto* colours = new QHBoxLayout;
  auto* colour = new ColourButton(preset.background ? QStringLiteral("Cor da fonte") : QStringLiteral("Cor"),
                                  "ButtonCor", QStringLiteral("Cor dos números"), preset.font.colour, &dialog);
  QObject::connect(colour, &QPushButton::clicked, &dialog, [this, colour] { colour->Pick(colours_); });
  colours->addWidget(colour);
  ColourButton* background = nullptr;
  if (preset.background) {
    background = new ColourButton(QStringLiteral("Cor de fundo"), "ButtonFundo", QStringLiteral("Cor de fundo"),
                                  *preset.background, &dialog);
    QObject::connect(background, &QPushButton::clicked, &dialog, [this, background] { background->Pick(colours_); });
    colours->addWidget(background);
  }
  colours->addStretch();
  column->addLayout(colours);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("ButtonOKFonte"));
  buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("ButtonCancelaFonte"));
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  column->addWidget(buttons);

  if (dialog.exec() != QDialog::Accepted) return preset;
  FontChoice chosen = preset;
  chosen.font = KeepUnchangedFont(preset.font, shown, ShownAs(fonts->currentFont()));
  chosen.font.colour = colour->colour();
  if (background) chosen.background = background->colour();
  return chosen;
}

}  // namespace tavelao::editors
