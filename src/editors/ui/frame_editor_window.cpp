#include "editors/ui/frame_editor_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/ui/panel_style.h"
#include "app/ui/qt_text.h"
#include "editors/frame_card_layout.h"
#include "editors/frame_editor_table.h"
#include "editors/ui/drag_handle.h"
#include "editors/ui/editor_widgets.h"
#include "editors/ui/font_chooser.h"
#include "report/ui/preview_window.h"

namespace tavelao::editors {
FrameEditorWindow::FrameEditorWindow(FrameEditorKind kind, session::Workspace& workspace, Dialogs& dialogs,
                                     FontChooser& fonts, QWidget* parent)
    : QWidget(parent, Qt::Window),
      variant_(FrameVariant(kind)),
      workspace_(workspace),
      dialogs_(dialogs),
      fonts_(fonts),
      state_(DefaultFrameEditorState(variant_)) {
  setObjectName(QString::fromUtf8(variant_.form_name));
  setWindowTitle(QString::fromUtf8(variant_.caption));
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(BuildPage(), 0, Qt::AlignTop);
  layout->addWidget(BuildControls(), 0, Qt::AlignTop);

  if (auto loaded = LoadFrameEditor(variant_, workspace_.folder)) {
    state_ = loaded->state;
  } else {
    save_on_close_ = false;
    dialogs_.Inform(variant_.caption, loaded.error());
  }
  ShowHandles();
  ShowFont();
  only_numbers_->setChecked(state_.only_numbers);
  check_sc_->setChecked(state_.check_sc);
  no_bar_code_->setChecked(state_.suppress_bar_code);
  no_matrix_->setChecked(state_.suppress_matrix);
  if (blocks_) blocks_->setText(app::ToQString(state_.blocks_text));

  preview_ = new report::PreviewWindow(dialogs_, this);
  preview_->hide();
}

QWidget* FrameEditorWindow::BuildPage() {
  QWidget* page = MakePageArea(this, variant_.panel.width, variant_.panel.height, &panel_);

  auto make = [&](const QString& caption, const QString& name, HandleSize size) {
    auto* handle = new DragHandle(caption, name, {size.width, size.height}, panel_, page);
    return handle;
  };
  for (int j = 0; j < variant_.frames; ++j) {
    const QString n = QString::number(j + 1);
    frame_handles_[j] = make(QStringLiteral("Quadro ") + n, QStringLiteral("BQuadro") + n, variant_.frame_handle);
    connect(frame_handles_[j], &DragHandle::moved, this,
            [this, j] { HandleMoved(frame_handles_[j], state_.frames[j]); });
  }
  matrix_handle_ = make(QString::fromUtf8(variant_.matrix_caption), QStringLiteral("BM"), variant_.matrix_handle);
  connect(matrix_handle_, &DragHandle::moved, this, [this] { HandleMoved(matrix_handle_, state_.matrix); });
  for (int k = 0; k < variant_.blocks; ++k) {
    block_handles_[k] = make(QStringLiteral("Cartela"), QStringLiteral("BC") + QString::number(k + 1), {45, 38});
    connect(block_handles_[k], &DragHandle::moved, this,
            [this, k] { HandleMoved(block_handles_[k], state_.blocks[k]); });
  }
  return page;
}

QWidget* FrameEditorWindow::BuildControls() {
  auto* controls = new QWidget(this);
  auto* column = new QVBoxLayout(controls);
  column->setContentsMargins(0, 0, 0, 0);

  QPushButton* recol = app::MakeButton(QStringLiteral("Recoloca os quadros em sua posição original"),
                                       QStringLiteral("ButtonRecol"), controls);
  connect(recol, &QPushButton::clicked, this, &FrameEditorWindow::ButtonRecolClick);
  column->addWidget(recol);

  font_panel_ = MakeFontPanel(controls, /*with_background=*/false);
  QGroupBox* font_box = font_panel_.box;
  auto* grid = static_cast<QGridLayout*>(font_box->layout());
  QPushButton* choose = app::MakeButton(QStringLiteral("Seleciona fonte"), QStringLiteral("ButtonFonte"), font_box);
  connect(choose, &QPushButton::clicked, this, &FrameEditorWindow::ButtonFonteClick);
  grid->addWidget(choose, grid->rowCount(), 0, 1, 2);
  column->addWidget(font_box);

  auto check = [&](const char* caption, const char* name, bool& into) {
    auto* box = new QCheckBox(QString::fromUtf8(caption), controls);
    box->setObjectName(QString::fromUtf8(name));
    connect(box, &QCheckBox::toggled, this, [this, &into](bool on) {
      into = on;
      if (&into == &state_.check_sc && !variant_.has_stub) {
        ApplyBlockCount(variant_, state_);
        ShowHandles();
      }
    });
    column->addWidget(box);
    return box;
  };
  only_numbers_ =
      check("Emite somente as dezenas, o número da cartela e o código de barras", "CheckSN", state_.only_numbers);
  check_sc_ = check(variant_.check_sc_caption, "CheckSC", state_.check_sc);
  no_bar_code_ = check("Suprime o código de barras", "CheckSBarras", state_.suppress_bar_code);
  no_matrix_ = check("Suprime a matriz de conferência", "CheckSMatriz", state_.suppress_matrix);

  if (variant_.has_stub) {
    auto* row = new QHBoxLayout;
    auto* caption =
        new QLabel(QStringLiteral("Número de exibições de numeração de cartela/Código de barras"), controls);
    caption->setWordWrap(true);
    blocks_ = new QLineEdit(controls);
    blocks_->setObjectName(QStringLiteral("EditNN"));
    blocks_->setMaxLength(1);
    blocks_->setFixedWidth(28);
    blocks_->installEventFilter(this);
    row->addWidget(caption, 1);
    row->addWidget(blocks_);
    column->addLayout(row);
  }

  column->addWidget(MakeSecondPassText(controls));

  QPushButton* print = app::MakeButton(QStringLiteral("Procede a emissão"), QStringLiteral("Button11"), controls);
  connect(print, &QPushButton::clicked, this, &FrameEditorWindow::Button11Click);
  column->addWidget(print);
  column->addStretch();
  controls->setFixedWidth(420);
  return controls;
}

void FrameEditorWindow::ShowHandles() {
  for (int j = 0; j < variant_.frames; ++j) {
    frame_handles_[j]->move(HandleToWidget(state_.frames[j]));
    frame_handles_[j]->setVisible(state_.frame_shown[j]);
  }
  matrix_handle_->move(HandleToWidget(state_.matrix));
  for (int k = 0; k < variant_.blocks; ++k) {
    block_handles_[k]->move(HandleToWidget(state_.blocks[k]));
    block_handles_[k]->setVisible(state_.block_shown[k]);
  }
}

void FrameEditorWindow::ShowFont() { editors::ShowFont(font_panel_, state_.font); }

void FrameEditorWindow::HandleMoved(DragHandle* handle, HandlePosition& into) {
  into = HandleFromWidget(handle->pos());
}

void FrameEditorWindow::Open(int frames, const session::CardOptions& card, store::Table& card_file) {
  ShowFrames(variant_, state_, frames);
  card_ = card;
  card_file_ = &card_file;
  ShowHandles();
  show();
  raise();
  activateWindow();
}

void FrameEditorWindow::ButtonRecolClick() {
  RestoreDefaultPositions(variant_, state_);
  ShowHandles();
}

void FrameEditorWindow::ButtonFonteClick() {
  state_.font = fonts_.Choose({state_.font, std::nullopt}, this).font;
  ShowFont();
  BackInFront(*this);
}

void FrameEditorWindow::Button11Click() {
  if (blocks_) state_.blocks_text = app::ToUtf8(blocks_->text());
  auto document =
      PrintFrameCards(variant_, state_, card_, workspace_.folder, *card_file_, workspace_.password, workspace_.issuer);
  if (!document) {
    dialogs_.Inform(variant_.caption, document.error());
    return;
  }
  preview_->Open(std::move(*document));
}

bool FrameEditorWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == blocks_ && event->type() == QEvent::FocusOut) {  // EditNNExit
    state_.blocks_text = app::ToUtf8(blocks_->text());
    ApplyBlockCount(variant_, state_);
    ShowHandles();
  }
  return QWidget::eventFilter(watched, event);
}

void FrameEditorWindow::closeEvent(QCloseEvent* event) {
  if (blocks_) state_.blocks_text = app::ToUtf8(blocks_->text());
  preview_->hide();
  if (auto closed = CloseFrameEditor(variant_, workspace_.folder, state_, *card_file_, save_on_close_); !closed) {
    dialogs_.Inform(variant_.caption, closed.error());
  }
  card_file_ = &no_card_file_;
  event->accept();
}

}  // namespace tavelao::editors
