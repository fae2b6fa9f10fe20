#include "draw/ui/conference_panel.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/ui/panel_style.h"
#include "app/ui/qt_text.h"
#include "common/text.h"
#include "draw/conference_sheet.h"
#include "draw/draw_run.h"
#include "draw/ui/drawn_number_palette.h"
#include "report/ui/preview_window.h"

namespace tavelao::draw {
namespace {

const QColor kPanelColour(0, 0, 128);
// Read on navy from a step away: green for a card that plays, red for one
// that does not, the figures in the gold of a drawn ball.
const QColor kValidatedColour(144, 238, 144);
const QColor kNotValidatedColour(255, 140, 140);
const QColor kCompletedColour(255, 214, 0);
const QColor& kWinningCellColour = kDrawnCellColour;

// The verdict lies between the header and the grid; below it the grid sits
// low enough that each card size's panel height (plus the verdict's band)
// cuts it below its last row in play: 198 after row 3, 242 after row 4,
// 288 after row 5.
constexpr int kMargin = 12;
constexpr int kCellWidth = 68;
constexpr int kCellHeight = 40;
constexpr int kCellGap = 4;
constexpr int kVerdictTop = 64;
constexpr int kHeadlineHeight = 30;
constexpr int kCompletedHeight = 36;
constexpr int kVerdictBand = kHeadlineHeight + kCompletedHeight;
constexpr int kGridTop = 66 + kVerdictBand;
constexpr int kPanelWidth = 2 * kMargin + 5 * kCellWidth + 4 * kCellGap;

QFont Scaled(const QWidget& widget, double scale, bool bold) {
  QFont font = widget.font();
  font.setBold(bold);
  font.setPointSizeF(font.pointSizeF() * scale);
  return font;
}

void PaintCaption(QLabel& label, const QColor& colour) {
  QPalette palette = label.palette();
  palette.setColor(QPalette::WindowText, colour);
  label.setPalette(palette);
}

// Red digits where drawn; the cells of a completed figure also filled, and
// sunk, so that they stand out without telling colours apart.
void PaintCell(QLabel& label, const ConferenceCell& cell) {
  PaintNumber(label, cell.drawn ? kDrawnColour : kNotDrawnColour);
  QPalette palette = label.palette();
  palette.setColor(QPalette::Base, cell.winning ? kWinningCellColour : kUndrawnCellColour);
  label.setPalette(palette);
  label.setFrameShadow(cell.winning ? QFrame::Sunken : QFrame::Raised);
}

// One figure a line; more than two run on, wrapped.
QString CompletedText(const std::vector<std::string>& lines) {
  QStringList texts;
  for (const std::string& line : lines) texts << app::ToQString(line);
  return texts.join(texts.size() <= 2 ? QStringLiteral("\n") : QStringLiteral(" · "));
}

}  // namespace

ConferencePanel::ConferencePanel(const session::Workspace& workspace, DrawRun& run, Dialogs& dialogs,
                                 QWidget* window_owner, QWidget* parent)
    : QFrame(parent), workspace_(workspace), run_(run), dialogs_(dialogs), size_(LayoutOf(CardSize::TwentyFive)) {
  setObjectName(QStringLiteral("PanelConf"));
  app::StylePanel(*this);
  // Navy behind white captions; the buttons and the entry keep their colours.
  setBackgroundRole(QPalette::Window);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, kPanelColour);
  palette.setColor(QPalette::WindowText, Qt::white);
  setPalette(palette);

  auto* caption = new QLabel(QStringLiteral("Cartela"), this);
  caption->setObjectName(QStringLiteral("LabelCartela"));
  caption->setFont(Scaled(*caption, 1.15, true));
  caption->setGeometry(kMargin, 8, 64, 26);
  edit_ = new QLineEdit(QStringLiteral("0"), this);
  edit_->setObjectName(QStringLiteral("EditConf"));
  edit_->setGeometry(kMargin + 66, 8, 100, 26);
  QPushButton* print = app::MakeButton(QStringLiteral("Imprime"), QStringLiteral("BitBtn1"), this);
  print->setGeometry(kPanelWidth - kMargin - 96, 8, 96, 26);

  senha_ = new QLabel(this);
  senha_->setObjectName(QStringLiteral("LabelSenha"));
  senha_->setFont(Scaled(*senha_, 1.0, true));
  senha_->setGeometry(kMargin, 38, 200, 24);
  QPushButton* leave = app::MakeButton(QStringLiteral("Sair da conferência"), QStringLiteral("Button1"), this);
  leave->setGeometry(kPanelWidth - kMargin - 140, 37, 140, 26);

  headline_ = new QLabel(this);
  headline_->setObjectName(QStringLiteral("LabelVeredito"));
  headline_->setFont(Scaled(*headline_, 1.6, true));
  headline_->setGeometry(kMargin, kVerdictTop, kPanelWidth - 2 * kMargin, kHeadlineHeight);
  completed_ = new QLabel(this);
  completed_->setObjectName(QStringLiteral("LabelCompletou"));
  completed_->setFont(Scaled(*completed_, 1.1, true));
  completed_->setWordWrap(true);
  completed_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  completed_->setGeometry(kMargin, kVerdictTop + kHeadlineHeight, kPanelWidth - 2 * kMargin, kCompletedHeight);
  PaintCaption(*completed_, kCompletedColour);

  for (int k = 1; k <= 25; ++k) {
    auto* cell = new QLabel(this);
    cell->setObjectName(QStringLiteral("C%1").arg(k));
    cell->setAlignment(Qt::AlignCenter);
    cell->setFrameShape(QFrame::Panel);
    cell->setFrameShadow(QFrame::Raised);
    cell->setAutoFillBackground(true);
    cell->setBackgroundRole(QPalette::Base);
    cell->setFont(Scaled(*cell, 1.6, true));
    PaintCell(*cell, ConferenceCell{});
    const int column = (k - 1) / 5;
    const int row = (k - 1) % 5;
    cell->setGeometry(kMargin + column * (kCellWidth + kCellGap), kGridTop + row * (kCellHeight + kCellGap), kCellWidth,
                      kCellHeight);
    cells_[k - 1] = cell;
  }
  setFixedSize(kPanelWidth, size_.conference_panel_height + kVerdictBand);

  preview_ = new report::PreviewWindow(dialogs_, window_owner);
  // Named after its sheet, apart from the other previews of the main window.
  preview_->setObjectName(QStringLiteral("FormConf"));
  preview_->hide();

  connect(edit_, &QLineEdit::returnPressed, this, &ConferencePanel::ConferCard);
  connect(leave, &QPushButton::clicked, this, &QWidget::hide);
  connect(print, &QPushButton::clicked, this, &ConferencePanel::Print);
}

void ConferencePanel::SetCardSize(const CardSizeLayout& size) {
  size_ = size;
  setFixedHeight(size.conference_panel_height + kVerdictBand);
}

void ConferencePanel::Open() {
  Blank();
  show();
  raise();
  edit_->setFocus();
  edit_->selectAll();
}

void ConferencePanel::Blank() {
  // What is printed is always what the panel shows.
  shown_.reset();
  senha_->clear();
  headline_->clear();
  completed_->clear();
  completed_->setToolTip({});
  for (QLabel* cell : cells_) {
    cell->clear();
    PaintCell(*cell, ConferenceCell{});
  }
}

void ConferencePanel::ConferCard() {
  ConferResult result = draw::ConferCard(workspace_.bank, workspace_.password, workspace_.issuer, run_.state().drawn,
                                         app::ToUtf8(edit_->text()));
  switch (result.kind) {
    case ConferResult::Kind::kIgnored:
      return;
    case ConferResult::Kind::kRefused:
      dialogs_.Inform(kConferenceTitle, result.message);
      return;
    case ConferResult::Kind::kShown:
      break;
  }
  const DrawState& state = run_.state();
  JudgeConference(result.conference, run_.cards(), state.drawn, FiguresInPlay(state.choice, state.awarded));
  const Conference& conference = result.conference;
  senha_->setText(app::ToQString(conference.authentication_line));
  headline_->setText(app::ToQString(conference.verdict.headline));
  PaintCaption(*headline_, conference.verdict.validated ? kValidatedColour : kNotValidatedColour);
  completed_->setText(CompletedText(conference.verdict.completed));
  completed_->setToolTip(completed_->text());
  for (int k = 0; k < 25; ++k) {
    cells_[k]->setText(app::ToQString(conference.cells[k].text));
    PaintCell(*cells_[k], conference.cells[k]);
  }
  int marked = 0;
  for (const ConferenceCell& cell : conference.cells) marked += cell.drawn;
  std::string completed;
  for (const std::string& line : conference.verdict.completed) completed += (completed.empty() ? "" : "; ") + line;
  if (auto status = run_.RecordEvent(EventKind::Conferred, {{"cartela", std::string(Trim(app::ToUtf8(edit_->text())))},
                                                            {"marcadas", std::to_string(marked)},
                                                            {"veredito", conference.verdict.headline},
                                                            {"completou", completed}});
      !status) {
    dialogs_.Inform(kConferenceTitle, status.error());
  }
  shown_ = std::move(result.conference);
}

void ConferencePanel::Print() {
  auto sheet = ConferenceSheet(shown_ ? &*shown_ : nullptr, size_);
  if (!sheet) {
    dialogs_.Inform(kConferenceTitle, sheet.error());
    return;
  }
  preview_->Open(std::move(sheet).value());
}

}  // namespace tavelao::draw
