#include "draw/ui/draw_choice_panel.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/ui/panel_style.h"
#include "draw/ui/cell_picture_widget.h"

namespace tavelao::draw {
namespace {

struct SizeBox {
  CardSize size;
  const char* name;
  const char* caption;
};
// On screen in this order.
constexpr std::array<SizeBox, 4> kBoxes = {{{CardSize::Fifteen, "CB15", "15 dezenas"},
                                            {CardSize::Twenty, "CB20", "20 dezenas"},
                                            {CardSize::TwentyFive, "CB25", "25 dezenas"},
                                            {CardSize::Five, "CB5", "5 dezenas"}}};

int SlotOf(CardSize size) {
  for (std::size_t i = 0; i < kCardSizes.size(); ++i) {
    if (kCardSizes[i] == size) return static_cast<int>(i);
  }
  return 0;
}

}  // namespace

DrawChoicePanel::DrawChoicePanel(QWidget* parent) : QFrame(parent) {
  setObjectName(QStringLiteral("PanelTSor"));
  app::StylePanel(*this);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(app::MakePanelTitle(QStringLiteral("Tipo do Sorteio"), QStringLiteral("LabelTituloTSor"), this));

  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(18);
  for (std::size_t i = 0; i < kBoxes.size(); ++i) {
    const SizeBox& box = kBoxes[i];
    auto* check = new QCheckBox(QString::fromUtf8(box.caption), this);
    check->setObjectName(QString::fromUtf8(box.name));
    sizes_[SlotOf(box.size)] = check;
    const int row = static_cast<int>(i / 2);
    const int column = static_cast<int>(i % 2) * 2;
    grid->addWidget(new CellPicture(CardCells(box.size), this), row, column);
    grid->addWidget(check, row, column + 1);
    connect(check, &QCheckBox::clicked, this,
            [this, size = box.size](bool ticked) { emit cardSizeClicked(size, ticked); });
  }
  layout->addLayout(grid);

  mostra_ = new QCheckBox(QStringLiteral("Apresentar cartelas ganhadoras automaticamente"), this);
  mostra_->setObjectName(QStringLiteral("CBMostra"));
  layout->addWidget(mostra_);
  connect(mostra_, &QCheckBox::clicked, this, &DrawChoicePanel::showWinnersClicked);

  QPushButton* ok = app::MakeButton(QStringLiteral("OK"), QStringLiteral("ButtonOKTSor"), this);
  app::PressOnEnter(*this, *ok);
  layout->addWidget(ok, 0, Qt::AlignRight);
  connect(ok, &QPushButton::clicked, this, &DrawChoicePanel::okClicked);

  Show(DrawChoice{});
}

void DrawChoicePanel::Show(const DrawChoice& choice) {
  for (std::size_t i = 0; i < kCardSizes.size(); ++i) {
    const QSignalBlocker quiet(sizes_[i]);
    sizes_[i]->setChecked(choice.card_size == kCardSizes[i]);
  }
  const QSignalBlocker quiet(mostra_);
  mostra_->setChecked(choice.show_winners);
}

}  // namespace tavelao::draw
