#include "editors/ui/editor_widgets.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>

#include "app/ui/qt_text.h"

namespace tavelao::editors {
namespace {

constexpr const char* kSecondPass =
    "Este modelo não deixa espaço para o texto livre do sistema. Emita primeiro as cartelas e depois imprima, "
    "nas mesmas folhas, o seu texto e as suas figuras a partir de qualquer editor (dupla impressão).";

QLabel* NamedLabel(const char* name, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromUtf8(name));
  return label;
}

QLabel* Swatch(const char* name, QWidget* parent) {
  QLabel* swatch = NamedLabel(name, parent);
  swatch->setFixedSize(40, 18);
  swatch->setAutoFillBackground(true);
  swatch->setFrameShape(QFrame::Box);
  return swatch;
}

}  // namespace

QPoint HandleToWidget(const HandlePosition& at) { return {at.left + kPageMargin, at.top + kPageMargin}; }
HandlePosition HandleFromWidget(QPoint at) { return {at.x() - kPageMargin, at.y() - kPageMargin}; }

QWidget* MakePageArea(QWidget* parent, int width, int height, QFrame** panel) {
  auto* area = new QWidget(parent);
  area->setObjectName(QStringLiteral("PanelPagina"));
  *panel = new QFrame(area);
  (*panel)->setObjectName(QStringLiteral("Panel1"));
  (*panel)->setAutoFillBackground(true);
  QPalette white = (*panel)->palette();
  white.setColor(QPalette::Window, Qt::white);
  (*panel)->setPalette(white);
  (*panel)->setFrameShape(QFrame::Box);
  ResizePageArea(area, *panel, width, height);
  return area;
}

void ResizePageArea(QWidget* area, QFrame* panel, int width, int height) {
  area->setFixedSize(width + 2 * kPageMargin, height + 2 * kPageMargin);
  panel->setGeometry(kPageMargin, kPageMargin, width, height);
}

FontPanel MakeFontPanel(QWidget* parent, bool with_background) {
  FontPanel panel;
  panel.box = new QGroupBox(QStringLiteral("Fonte dos números:"), parent);
  panel.box->setObjectName(QStringLiteral("PanelFonte"));
  auto* grid = new QGridLayout(panel.box);
  panel.name = NamedLabel("LabelFonte", panel.box);
  panel.size = NamedLabel("LabelTamanho", panel.box);
  panel.bold = NamedLabel("LabelNegrito", panel.box);
  panel.colour = Swatch("LabelCor", panel.box);
  std::vector<std::pair<const char*, QLabel*>> rows = {{"Tipo:", panel.name},
                                                       {"Tamanho:", panel.size},
                                                       {"Negrito:", panel.bold},
                                                       {with_background ? "Cor da fonte" : "Cor", panel.colour}};
  if (with_background) {
    panel.background = Swatch("LabelFundo", panel.box);
    rows.push_back({"Cor de fundo", panel.background});
  }
  int row = 0;
  for (const auto& [caption, value] : rows) {
    grid->addWidget(new QLabel(QString::fromUtf8(caption), panel.box), row, 0);
    grid->addWidget(value, row++, 1);
  }
  return panel;
}

void ShowFont(const FontPanel& panel, const NumberFont& font) {
  panel.name->setText(app::ToQString(font.name));
  panel.size->setText(QString::number(font.size));
  panel.bold->setText(font.bold ? QStringLiteral("Sim") : QStringLiteral("Nao"));
  PaintSwatch(panel.colour, font.colour);
}

void PaintSwatch(QLabel* swatch, Rgb colour) {
  QPalette palette = swatch->palette();
  palette.setColor(QPalette::Window, app::ToQColor(colour));
  swatch->setPalette(palette);
}

void BackInFront(QWidget& window) {
  window.raise();
  window.activateWindow();
}

QPlainTextEdit* MakeSecondPassText(QWidget* parent) {
  auto* text = new QPlainTextEdit(QString::fromUtf8(kSecondPass), parent);
  text->setObjectName(QStringLiteral("MemoDuplaImpressao"));
  text->setReadOnly(true);
  text->setMaximumHeight(90);
  return text;
}

}  // namespace tavelao::editors
