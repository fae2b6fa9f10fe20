#include "draw/ui/winners_sheet_window.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>

#include "app/ui/qt_text.h"
#include "app/ui/window_placement.h"

namespace tavelao::draw {
namespace {

constexpr int kFrameWidth = 160;
constexpr int kGap = 6;
constexpr int kCellWidth = 30;
constexpr int kCellPitch = 37;  // rows 4 and 5 fall below the cut heights of 15 and 20 numbers
constexpr int kFirstRowTop = 50;
constexpr std::array<const char*, kColumnCount> kLetterStems = {"lb", "li", "ln", "lg", "lo"};

QLabel* FrameLabel(const QString& name, QWidget* parent, double scale) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setAlignment(Qt::AlignCenter);
  QFont font = label->font();
  font.setBold(true);
  font.setPointSizeF(font.pointSizeF() * scale);
  label->setFont(font);
  return label;
}

}  // namespace

WinnersSheetWindow::WinnersSheetWindow(QWidget* parent) : QWidget(parent, Qt::Window | Qt::WindowDoesNotAcceptFocus) {
  setObjectName(QStringLiteral("TFormVenc"));
  setAttribute(Qt::WA_ShowWithoutActivating);
  setFocusPolicy(Qt::NoFocus);
  setWindowTitle(QStringLiteral("Cartelas ganhadoras"));
  for (int f = 0; f < WinnersSheet::kFrames; ++f) {
    Frame& frame = frames_[f];
    const QString n = QString::number(f + 1);
    frame.panel = new QFrame(this);
    frame.panel->setObjectName(QStringLiteral("Panel") + n);
    frame.panel->setFrameShape(QFrame::Box);
    frame.panel->setAutoFillBackground(true);
    frame.panel->setBackgroundRole(QPalette::Base);
    frame.title = FrameLabel(QStringLiteral("Cart") + n, frame.panel, 1.0);
    frame.title->setGeometry(2, 2, kFrameWidth - 4, 20);
    const int left = (kFrameWidth - kColumnCount * kCellWidth) / 2;
    for (int c = 0; c < kColumnCount; ++c) {
      frame.letters[c] = FrameLabel(QString::fromUtf8(kLetterStems[c]) + n, frame.panel, 1.4);
      frame.letters[c]->setGeometry(left + c * kCellWidth, 24, kCellWidth, 24);
    }
    const QChar stem = QChar('A' + f);
    for (int k = 1; k <= 25; ++k) {
      QLabel* cell = FrameLabel(QString(stem) + QString::number(k), frame.panel, 1.3);
      const int column = (k - 1) / 5;
      const int row = (k - 1) % 5;
      cell->setGeometry(left + column * kCellWidth, kFirstRowTop + row * kCellPitch, kCellWidth, 34);
      frame.cells[k - 1] = cell;
    }
  }
  SetLetters({"B", "I", "N", "G", "O"});
  SetFrameHeight(237);
}

void WinnersSheetWindow::Show(const WinnersSheet& sheet) {
  for (int f = 0; f < WinnersSheet::kFrames; ++f) {
    Frame& frame = frames_[f];
    frame.title->setText(app::ToQString(sheet.frames[f].title));
    for (int k = 0; k < 25; ++k) frame.cells[k]->setText(app::ToQString(sheet.frames[f].cells[k]));
    frame.panel->setVisible(f < sheet.visible_frames);
  }
}

void WinnersSheetWindow::SetLetters(const TitleLetters& letters) {
  for (Frame& frame : frames_) {
    for (int c = 0; c < kColumnCount; ++c) frame.letters[c]->setText(app::ToQString(letters[c]).left(1));
  }
}

void WinnersSheetWindow::SetFrameHeight(int height) {
  for (int f = 0; f < WinnersSheet::kFrames; ++f) {
    frames_[f].panel->setGeometry(kGap + f * (kFrameWidth + kGap), kGap, kFrameWidth, height);
  }
  setFixedSize(kGap + WinnersSheet::kFrames * (kFrameWidth + kGap), height + 2 * kGap);
}

void WinnersSheetWindow::Open(const QWidget& board) {
  // Placed once per showing: a sheet the operator moved stays where it is.
  if (!isVisible()) app::MoveBeside(*this, board);
  show();
  raise();
}

void WinnersSheetWindow::closeEvent(QCloseEvent* event) {
  QWidget::closeEvent(event);
  emit closed();
}

}  // namespace tavelao::draw
