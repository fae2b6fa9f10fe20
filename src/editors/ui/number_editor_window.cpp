#include "editors/ui/number_editor_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/ui/panel_style.h"
#include "editors/number_card_layout.h"
#include "editors/number_editor_table.h"
#include "editors/ui/drag_handle.h"
#include "editors/ui/font_chooser.h"
#include "report/ui/preview_window.h"

namespace tavelao::editors {
namespace {

constexpr const char* kCaption = "Posicionamento das dezenas na cartela variavel";

}  // namespace

NumberEditorWindow::NumberEditorWindow(session::Workspace& workspace, Dialogs& dialogs, FontChooser& fonts,
                                       QWidget* parent)
    : QWidget(parent, Qt::Window),
      workspace_(workspace),
      dialogs_(dialogs),
      fonts_(fonts),
      state_(DefaultNumberEditorState()) {
  setObjectName(QStringLiteral("TFormDVar"));
  setWindowTitle(QString::fromUtf8(kCaption));
  auto* layout = new QHBoxLayout(this);
  page_ = MakePageArea(this, kNumberPanelWidth, kNumberPanelHeight, &panel_);
  auto bind = [this](DragHandle* handle, HandlePosition* into) {
    connect(handle, &DragHandle::moved, this, [handle, into] { *into = HandleFromWidget(handle->pos()); });
    return handle;
  };
  for (int k = 0; k < 25; ++k) {
    const QString n = QString::number(k + 1);
    numbers_[k] =
        bind(new DragHandle(n.rightJustified(2, QLatin1Char('0')), QStringLiteral("QD") + n, {25, 25}, panel_, page_),
             &state_.numbers[k]);
  }
  block1_ =
      bind(new DragHandle(QStringLiteral("Cartela"), QStringLiteral("BC1"), {45, 38}, panel_, page_), &state_.block1);
  block2_ =
      bind(new DragHandle(QStringLiteral("Cartela"), QStringLiteral("BC2"), {45, 38}, panel_, page_), &state_.block2);
  matrix_ =
      bind(new DragHandle(QStringLiteral("Matriz de conferência"), QStringLiteral("BM"), {276, 20}, panel_, page_),
           &state_.matrix);
  layout->addWidget(page_, 0, Qt::AlignTop);
  layout->addWidget(BuildControls(), 0, Qt::AlignTop);

  if (auto loaded = LoadNumberEditor(workspace_.folder)) {
    state_ = *loaded;
  } else {
    save_on_close_ = false;
    dialogs_.Inform(kCaption, loaded.error());
  }
  border_->setChecked(state_.suppress_border);
  two_numbers_->setChecked(state_.two_numbers);
  bar_code_->setChecked(state_.suppress_bar_code);
  matrix_check_->setChecked(state_.suppress_matrix);
  two_cards_->setChecked(state_.two_cards);
  ShowHandles();
  ShowPanel();

  preview_ = new report::PreviewWindow(dialogs_, this);
  preview_->hide();
}

QWidget* NumberEditorWindow::BuildControls() {
  auto* controls = new QWidget(this);
  auto* column = new QVBoxLayout(controls);
  column->setContentsMargins(0, 0, 0, 0);
  QPushButton* recol = app::MakeButton(QStringLiteral("Recoloca as dezenas em sua posição original"),
                                       QStringLiteral("ButtonRecol"), controls);
  connect(recol, &QPushButton::clicked, this, &NumberEditorWindow::ButtonRecolClick);
  column->addWidget(recol);

  font_panel_ = MakeFontPanel(controls, /*with_background=*/true);
  auto* grid = static_cast<QGridLayout*>(font_panel_.box->layout());
  QPushButton* choose = app::MakeButton(QStringLiteral("Seleciona fonte"), QStringLiteral("ButtonFonte"), controls);
  connect(choose, &QPushButton::clicked, this, &NumberEditorWindow::ButtonFonteClick);
  grid->addWidget(choose, grid->rowCount(), 0, 1, 2);
  column->addWidget(font_panel_.box);

  auto check = [&](const char* caption, const char* name, bool* into) {
    auto* box = new QCheckBox(QString::fromUtf8(caption), controls);
    box->setObjectName(QString::fromUtf8(name));
    connect(box, &QCheckBox::toggled, this, [this, into](bool on) {
      *into = on;
      ShowHandles();
    });
    column->addWidget(box);
    return box;
  };
  border_ = check("Suprime a borda das dezenas", "CheckSBorda", &state_.suppress_border);
  two_numbers_ = check("Duas numerações por cartela", "Check2Cod", &state_.two_numbers);
  bar_code_ = check("Suprime o código de barras", "CheckSBarras", &state_.suppress_bar_code);
  matrix_check_ = check("Suprime a matriz de conferência", "CheckSMatriz", &state_.suppress_matrix);
  two_cards_ = new QCheckBox(QStringLiteral("Duas cartelas por folha A4"), controls);
  two_cards_->setObjectName(QStringLiteral("Check2Cart"));
  // Only a click changes the band: the state loaded at creation keeps its own.
  connect(two_cards_, &QCheckBox::clicked, this, [this](bool on) {
    SetTwoCards(state_, on);
    ShowHandles();
  });
  column->addWidget(two_cards_);

  column->addWidget(MakeSecondPassText(controls));
  QPushButton* print = app::MakeButton(QStringLiteral("Procede a emissão"), QStringLiteral("Button11"), controls);
  connect(print, &QPushButton::clicked, this, &NumberEditorWindow::Button11Click);
  column->addWidget(print);
  column->addStretch();
  controls->setFixedWidth(380);
  return controls;
}

void NumberEditorWindow::ShowHandles() {
  ResizePageArea(page_, panel_, kNumberPanelWidth, NumberPanelHeight(state_));
  for (int k = 0; k < 25; ++k) numbers_[k]->move(HandleToWidget(state_.numbers[k]));
  block1_->move(HandleToWidget(state_.block1));
  block2_->move(HandleToWidget(state_.block2));
  block2_->setVisible(state_.two_numbers);
  matrix_->move(HandleToWidget(state_.matrix));
  matrix_->setVisible(!state_.suppress_matrix);
}

void NumberEditorWindow::ShowPanel() {
  ShowFont(font_panel_, state_.font);
  PaintSwatch(font_panel_.background, state_.background);
}

void NumberEditorWindow::Open(store::Table& card_file) {
  card_file_ = &card_file;
  ShowHandles();
  show();
  raise();
  activateWindow();
}

void NumberEditorWindow::ButtonRecolClick() {
  RestoreNumberDefaults(state_);
  ShowHandles();
}

void NumberEditorWindow::ButtonFonteClick() {
  const FontChoice chosen = fonts_.Choose({state_.font, state_.background}, this);
  state_.font = chosen.font;
  state_.background = chosen.background.value_or(state_.background);
  ShowPanel();
  BackInFront(*this);
}

void NumberEditorWindow::Button11Click() {
  auto document = PrintNumberCards(state_, workspace_.folder, *card_file_, workspace_.password, workspace_.issuer);
  if (!document) {
    dialogs_.Inform(kCaption, document.error());
    return;
  }
  preview_->Open(std::move(*document));
}

void NumberEditorWindow::closeEvent(QCloseEvent* event) {
  preview_->hide();
  if (auto closed = CloseNumberEditor(workspace_.folder, state_, *card_file_, save_on_close_); !closed) {
    dialogs_.Inform(kCaption, closed.error());
  }
  card_file_ = &no_card_file_;
  event->accept();
}

}  // namespace tavelao::editors
