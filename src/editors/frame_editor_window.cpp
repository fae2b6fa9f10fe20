#include "editors/frame_editor_window.h"

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

#include "app/panel_style.h"
#include "app/qt_text.h"
#include "editors/drag_handle.h"
#include "editors/font_chooser.h"
#include "editors/frame_card_layout.h"
#include "editors/frame_editor_table.h"
#include "report/preview_window.h"

namespace tavelao::editors {
namespace {

// Room around the page panel into which handles may be dragged.
constexpr int kMargin = 16;

constexpr const char* kSecondPass =
    "Este modelo não deixa espaço para o texto livre do sistema. Emita primeiro as cartelas e depois imprima, "
    "nas mesmas folhas, o seu texto e as suas figuras a partir de qualquer editor (dupla impressão).";

QPoint ToWidget(const HandlePosition& at) { return {at.left + kMargin, at.top + kMargin}; }
HandlePosition FromWidget(QPoint at) { return {at.x() - kMargin, at.y() - kMargin}; }

QLabel* ReadOnlyLabel(const char* name, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromUtf8(name));
  return label;
}

}  // namespace

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
  auto* page = new QWidget(this);
  page->setObjectName(QStringLiteral("PanelPagina"));
  page->setFixedSize(variant_.panel.width + 2 * kMargin, variant_.panel.height + 2 * kMargin);
  panel_ = new QFrame(page);
  panel_->setObjectName(QStringLiteral("Panel1"));
  panel_->setGeometry(kMargin, kMargin, variant_.panel.width, variant_.panel.height);
  panel_->setAutoFillBackground(true);
  QPalette white = panel_->palette();
  white.setColor(QPalette::Window, Qt::white);
  panel_->setPalette(white);
  panel_->setFrameShape(QFrame::Box);

  auto make = [&](const QString& caption, const QString& name, HandleSize size) {
    auto* handle = new DragHandle(caption, name, {size.width, size.height}, page);
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

  QPushButton* recol =
      app::MakeButton(QStringLiteral("Recoloca os quadros em sua posição original"), QStringLiteral("ButtonRecol"), controls);
  connect(recol, &QPushButton::clicked, this, &FrameEditorWindow::ButtonRecolClick);
  column->addWidget(recol);

  auto* font_box = new QGroupBox(QStringLiteral("Fonte dos números:"), controls);
  font_box->setObjectName(QStringLiteral("PanelFonte"));
  auto* grid = new QGridLayout(font_box);
  font_name_ = ReadOnlyLabel("LabelFonte", font_box);
  font_size_ = ReadOnlyLabel("LabelTamanho", font_box);
  font_bold_ = ReadOnlyLabel("LabelNegrito", font_box);
  font_colour_ = ReadOnlyLabel("LabelCor", font_box);
  font_colour_->setFixedSize(40, 18);
  font_colour_->setAutoFillBackground(true);
  font_colour_->setFrameShape(QFrame::Box);
  const char* captions[4] = {"Tipo:", "Tamanho:", "Negrito:", "Cor"};
  QLabel* values[4] = {font_name_, font_size_, font_bold_, font_colour_};
  for (int row = 0; row < 4; ++row) {
    grid->addWidget(new QLabel(QString::fromUtf8(captions[row]), font_box), row, 0);
    grid->addWidget(values[row], row, 1);
  }
  QPushButton* choose = app::MakeButton(QStringLiteral("Seleciona fonte"), QStringLiteral("ButtonFonte"), font_box);
  connect(choose, &QPushButton::clicked, this, &FrameEditorWindow::ButtonFonteClick);
  grid->addWidget(choose, 4, 0, 1, 2);
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
  only_numbers_ = check("Emite somente as dezenas,numero das cartela e codigo de barras", "CheckSN", state_.only_numbers);
  check_sc_ = check(variant_.check_sc_caption, "CheckSC", state_.check_sc);
  no_bar_code_ = check("Suprime o código de barras", "CheckSBarras", state_.suppress_bar_code);
  no_matrix_ = check("Suprime a matriz de conferência", "CheckSMatriz", state_.suppress_matrix);

  if (variant_.has_stub) {
    auto* row = new QHBoxLayout;
    auto* caption = new QLabel(QStringLiteral("Número de exibições de numeração de cartela/Código de barras"), controls);
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

  auto* second_pass = new QPlainTextEdit(QString::fromUtf8(kSecondPass), controls);
  second_pass->setObjectName(QStringLiteral("MemoDuplaImpressao"));
  second_pass->setReadOnly(true);
  second_pass->setMaximumHeight(90);
  column->addWidget(second_pass);

  QPushButton* print = app::MakeButton(QStringLiteral("Procede a emissão"), QStringLiteral("Button11"), controls);
  connect(print, &QPushButton::clicked, this, &FrameEditorWindow::Button11Click);
  column->addWidget(print);
  column->addStretch();
  controls->setFixedWidth(420);
  return controls;
}

void FrameEditorWindow::ShowHandles() {
  for (int j = 0; j < variant_.frames; ++j) {
    frame_handles_[j]->move(ToWidget(state_.frames[j]));
    frame_handles_[j]->setVisible(state_.frame_shown[j]);
  }
  matrix_handle_->move(ToWidget(state_.matrix));
  for (int k = 0; k < variant_.blocks; ++k) {
    block_handles_[k]->move(ToWidget(state_.blocks[k]));
    block_handles_[k]->setVisible(state_.block_shown[k]);
  }
}

void FrameEditorWindow::ShowFont() {
  font_name_->setText(app::ToQString(state_.font.name));
  font_size_->setText(QString::number(state_.font.size));
  font_bold_->setText(state_.font.bold ? QStringLiteral("Sim") : QStringLiteral("Nao"));
  QPalette palette = font_colour_->palette();
  palette.setColor(QPalette::Window, app::ToQColor(state_.font.colour));
  font_colour_->setPalette(palette);
}

void FrameEditorWindow::HandleMoved(DragHandle* handle, HandlePosition& into) { into = FromWidget(handle->pos()); }

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
  state_.font = fonts_.Choose(state_.font);
  ShowFont();
}

void FrameEditorWindow::Button11Click() {
  if (blocks_) state_.blocks_text = app::ToUtf8(blocks_->text());
  auto document = PrintFrameCards(variant_, state_, card_, workspace_.folder, *card_file_, workspace_.password,
                                  workspace_.issuer);
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
