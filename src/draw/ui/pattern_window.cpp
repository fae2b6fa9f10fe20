#include "draw/ui/pattern_window.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QPushButton>

#include "app/ui/panel_style.h"
#include "app/ui/qt_text.h"
#include "app/ui/window_placement.h"
#include "draw/ui/cell_picture_widget.h"

namespace tavelao::draw {

PatternWindow::PatternWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("TFormSorteios"));
  setWindowTitle(QStringLiteral("Marcar outros tipos de sorteio"));

  auto* grid = new QGridLayout(this);
  grid->setHorizontalSpacing(14);
  grid->setVerticalSpacing(10);
  // The order of the unticking, which is also the order the boxes are known by.
  int slot = 0;
  for (Pattern p : kUntickOrder) {
    const PatternInfo& info = Info(p);
    auto* box = new QCheckBox(app::ToQString(info.caption), this);
    box->setObjectName(app::ToQString(info.check_box));
    boxes_[Index(p)] = box;
    const int row = slot / 3;
    const int column = (slot % 3) * 2;
    grid->addWidget(new CellPicture(PictureCells(p), this), row, column);
    grid->addWidget(box, row, column + 1);
    connect(box, &QCheckBox::clicked, this, [this, p](bool ticked) { emit patternClicked(p, ticked); });
    ++slot;
  }
  QPushButton* close_button = app::MakeButton(QStringLiteral("Fechar"), QStringLiteral("ButtonFecharSorteios"), this);
  grid->addWidget(close_button, (slot + 2) / 3, 0, 1, 6, Qt::AlignRight);
  connect(close_button, &QPushButton::clicked, this, &QWidget::close);
  Show(DrawChoice{});
}

void PatternWindow::Open(const QWidget& board) {
  if (!isVisible()) {
    adjustSize();
    app::MoveBeside(*this, board);
  }
  show();
  raise();
  activateWindow();
}

void PatternWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

void PatternWindow::Show(const DrawChoice& choice) {
  for (Pattern p : kPatterns) boxes_[Index(p)]->setChecked(choice.Ticked(p));
}

}  // namespace tavelao::draw
