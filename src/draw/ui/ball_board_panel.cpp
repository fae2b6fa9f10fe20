#include "draw/ui/ball_board_panel.h"

#include <QGridLayout>
#include <QMouseEvent>

#include "app/ui/panel_style.h"
#include "app/ui/qt_text.h"
#include "draw/ui/drawn_number_palette.h"

namespace tavelao::draw {
namespace {

constexpr std::array<const char*, kColumnCount> kLetterStems = {"LB", "LI", "LN", "LG", "LO"};

QFont BoldFont(const QWidget& widget, double scale) {
  QFont font = widget.font();
  font.setBold(true);
  font.setPointSizeF(font.pointSizeF() * scale);
  return font;
}

}  // namespace

BallPanelLabel::BallPanelLabel(int ball, QWidget* parent) : QLabel(parent), ball_(ball) {
  setObjectName(QStringLiteral("P%1").arg(ball));
  setAlignment(Qt::AlignCenter);
  setFrameShape(QFrame::Panel);
  setFrameShadow(QFrame::Raised);
  setFixedSize(38, 32);
  setFont(BoldFont(*this, 1.35));
  setAutoFillBackground(true);
  setBackgroundRole(QPalette::Base);
}

void BallPanelLabel::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit clicked(ball_);
  QLabel::mousePressEvent(event);
}

BallBoardPanel::BallBoardPanel(QWidget* parent) : QFrame(parent) {
  setObjectName(QStringLiteral("PanelPedras"));
  app::StylePanel(*this);
  auto* grid = new QGridLayout(this);
  grid->setSpacing(3);
  grid->setContentsMargins(6, 6, 6, 6);
  for (int c = 1; c <= kColumnCount; ++c) {
    for (int end = 0; end < 2; ++end) {
      auto* letter = new QLabel(this);
      letter->setObjectName(QString::fromUtf8(kLetterStems[c - 1]) + QString::number(end + 1));
      letter->setAlignment(Qt::AlignCenter);
      letter->setFixedSize(30, 32);
      letter->setFont(BoldFont(*letter, 1.6));
      PaintNumber(*letter, kNotDrawnColour);
      letters_[end * kColumnCount + c - 1] = letter;
      grid->addWidget(letter, c - 1, end == 0 ? 0 : kBallsPerColumn + 1);
    }
    for (int i = 0; i < kBallsPerColumn; ++i) {
      const int ball = (c - 1) * kBallsPerColumn + i + 1;
      auto* panel = new BallPanelLabel(ball, this);
      panels_[ball - 1] = panel;
      grid->addWidget(panel, c - 1, i + 1);
      connect(panel, &BallPanelLabel::clicked, this, &BallBoardPanel::ballClicked);
    }
  }
  SetLetters({"B", "I", "N", "G", "O"});
}

void BallBoardPanel::Show(const std::array<BallPanel, kBallCount>& board) {
  for (int n = 1; n <= kBallCount; ++n) {
    BallPanelLabel& panel = *panels_[n - 1];
    panel.setText(app::ToQString(board[n - 1].caption));
    PaintNumber(panel, board[n - 1].red ? kDrawnColour : kNotDrawnColour);
  }
}

void BallBoardPanel::SetLetters(const TitleLetters& letters) {
  for (int c = 0; c < kColumnCount; ++c) {
    const QString letter = app::ToQString(letters[c]).left(1);
    letters_[c]->setText(letter);
    letters_[kColumnCount + c]->setText(letter);
  }
}

}  // namespace tavelao::draw
