#pragma once
// The parts both kinds of layout editor window show alike: the page area
// around the white panel, the font panel and the second-pass text.

#include <QPoint>
#include <QString>

#include "editors/frame_editor_state.h"

class QFrame;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QWidget;

namespace tavelao::editors {

// Room around the page panel.
inline constexpr int kPageMargin = 16;

// A handle's place in the page area and back.
QPoint HandleToWidget(const HandlePosition& at);
HandlePosition HandleFromWidget(QPoint at);

// The page area with the white page panel Panel1 at its margin.
QWidget* MakePageArea(QWidget* parent, int width, int height, QFrame** panel);
void ResizePageArea(QWidget* area, QFrame* panel, int width, int height);

// "Fonte dos números:" with Tipo, Tamanho, Negrito, Cor (and Cor de fundo).
struct FontPanel {
  QGroupBox* box = nullptr;
  QLabel* name = nullptr;        // LabelFonte
  QLabel* size = nullptr;        // LabelTamanho
  QLabel* bold = nullptr;        // LabelNegrito
  QLabel* colour = nullptr;      // LabelCor
  QLabel* background = nullptr;  // LabelFundo, when asked for
};
FontPanel MakeFontPanel(QWidget* parent, bool with_background);
void ShowFont(const FontPanel& panel, const NumberFont& font);
void PaintSwatch(QLabel* swatch, Rgb colour);

// After a dialog over the editor window: the editor in front and active
// again, whatever the window manager brings up when the dialog closes.
void BackInFront(QWidget& window);

// The read-only text about printing the free text in a second pass.
QPlainTextEdit* MakeSecondPassText(QWidget* parent);

}  // namespace tavelao::editors
