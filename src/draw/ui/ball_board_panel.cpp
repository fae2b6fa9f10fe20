#include "draw/ui/ball_board_panel.h"

#include <QApplication>
#include <QGridLayout>
#include <QMouseEvent>
#include <algorithm>

#include "app/ui/panel_style.h"
#include "app/ui/qt_text.h"
#include "draw/ui/drawn_number_palette.h"

namespace tavelao::draw {
namespace {

constexpr std::array<const char*, kColumnCount> kLetterStems = {"LB", "LI", "LN", "LG", "LO"};
constexpr int kMinCellWidth = 38;
constexpr int kMinCellHeight = 32;
constexpr int kLetterWidth = 30;
constexpr int kSpacing = 3;
constexpr int kMargin = 6;
// Cells are drawn a little wider than tall, as on the small board.
constexpr double kCellAspect = 0.84;

// Digits about half the cell's height, whatever the board's size.
QFont DigitFont(const QWidget& widget, int cell_height, double scale) {
  QFont font = widget.font();
  font.setBold(true);
  font.setPixelSize(std::max(12, static_cast<int>(cell_height * 0.5 * scale)));
  return font;
}

}  // namespace

BallPanelLabel::BallPanelLabel(int ball, QWidget* parent) : QLabel(parent), ball_(ball) {
  setObjectName(QStringLiteral("P%1").arg(ball));
  setAlignment(Qt::AlignCenter);
  setFrameShape(QFrame::Panel);
  setFrameShadow(QFrame::Raised);
  setMinimumSize(kMinCellWidth, kMinCellHeight);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  setFont(DigitFont(*this, kMinCellHeight, 1.0));
  setAutoFillBackground(true);
  setBackgroundRole(QPalette::Base);
}

void BallPanelLabel::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QLabel::mousePressEvent(event);
  // The second press of a double-click would undo the ball the operator
  // just called: only the first counts.
  const qulonglong now = event->timestamp();
  const bool second_of_pair =
      last_press_ && now - *last_press_ < static_cast<qulonglong>(QApplication::doubleClickInterval());
  if (!second_of_pair) {
    last_press_ = now;
    emit clicked(ball_);
  } else {
    last_press_.reset();
  }
  event->accept();
}

void BallPanelLabel::mouseDoubleClickEvent(QMouseEvent* event) { event->accept(); }

BallBoardPanel::BallBoardPanel(QWidget* parent) : QFrame(parent) {
  setObjectName(QStringLiteral("PanelPedras"));
  app::StylePanel(*this);
  auto* grid = new QGridLayout(this);
  grid->setSpacing(kSpacing);
  grid->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
  for (int c = 1; c <= kColumnCount; ++c) {
    for (int end = 0; end < 2; ++end) {
      auto* letter = new QLabel(this);
      letter->setObjectName(QString::fromUtf8(kLetterStems[c - 1]) + QString::number(end + 1));
      letter->setAlignment(Qt::AlignCenter);
      letter->setMinimumSize(kLetterWidth, kMinCellHeight);
      letter->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
      letter->setFont(DigitFont(*letter, kMinCellHeight, 1.2));
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
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

int BallBoardPanel::HeightFor(int width, int room) const {
  const int cell_width =
      (width - 2 * kMargin - 2 * (kLetterWidth + kSpacing) - (kBallsPerColumn - 1) * kSpacing) / kBallsPerColumn;
  const auto height_of = [](int cell_height) {
    return 2 * kMargin + kColumnCount * cell_height + (kColumnCount - 1) * kSpacing;
  };
  return std::max(height_of(kMinCellHeight), std::min(room, height_of(static_cast<int>(cell_width * kCellAspect))));
}

void BallBoardPanel::resizeEvent(QResizeEvent* event) {
  QFrame::resizeEvent(event);
  const int cell_height = panels_[0]->height();
  for (BallPanelLabel* panel : panels_) panel->setFont(DigitFont(*panel, cell_height, 1.0));
  for (QLabel* letter : letters_) letter->setFont(DigitFont(*letter, cell_height, 1.2));
}

void BallBoardPanel::Show(const std::array<BallPanel, kBallCount>& board) {
  for (int n = 1; n <= kBallCount; ++n) {
    BallPanelLabel& panel = *panels_[n - 1];
    panel.setText(app::ToQString(board[n - 1].caption));
    PaintBall(panel, board[n - 1].red);
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
