#include "texteditor/form_edit.h"

#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QFontComboBox>
#include <QFontDatabase>
#include <QMenu>
#include <QMenuBar>
#include <QTextCharFormat>
#include <QTextEdit>
#include <QToolBar>

#include "app/colour_picker.h"
#include "app/main_form.h"
#include "app/qt_text.h"

namespace tavelao::texteditor {
namespace {

QAction* MakeAction(const QString& text, const QString& name, QObject* parent, bool checkable = false) {
  auto* action = new QAction(text, parent);
  action->setObjectName(name);
  action->setCheckable(checkable);
  return action;
}

}  // namespace

FormEdit::FormEdit(app::ColourPicker& colours, QWidget* parent, QString start_file)
    : QMainWindow(parent, Qt::Window), colours_(colours), start_file_(std::move(start_file)) {
  setObjectName(QStringLiteral("FormEdit"));
  setWindowTitle(QStringLiteral("Editor de texto para as cartelas"));
  edit_ = new QTextEdit(this);
  edit_->setObjectName(QStringLiteral("RichEdit1"));
  edit_->setAcceptRichText(true);
  // The layouts name Arial; the text starts in the same family.
  QFont base(QStringLiteral("Arial"), 12);
  edit_->document()->setDefaultFont(base);
  setCentralWidget(edit_);
  BuildEditMenu();
  BuildToolBar();
  connect(edit_, &QTextEdit::currentCharFormatChanged, this, [this] { ShowCurrentFormat(); });
  connect(edit_, &QTextEdit::cursorPositionChanged, this, [this] { ShowCurrentFormat(); });
  ShowCurrentFormat();
  resize(640, 480);
}

void FormEdit::Open() {
  show();
  raise();
  activateWindow();
  edit_->setFocus();
}

std::string FormEdit::FreeTextHtml() const { return app::ToUtf8(edit_->toHtml()); }

// "Editar" with what the edit control gives; "Arquivo" (new, open, save
// RTF/TXT, print) joins the menu bar in front of it.
void FormEdit::BuildEditMenu() {
  QMenu* menu = menuBar()->addMenu(QStringLiteral("Editar"));
  menu->setObjectName(QStringLiteral("MenuEditar"));
  QAction* undo = MakeAction(QStringLiteral("Desfazer"), QStringLiteral("EditUndo"), this);
  undo->setShortcut(QKeySequence::Undo);
  undo->setEnabled(false);
  connect(undo, &QAction::triggered, edit_, &QTextEdit::undo);
  connect(edit_, &QTextEdit::undoAvailable, undo, &QAction::setEnabled);
  QAction* cut = MakeAction(QStringLiteral("Recortar"), QStringLiteral("EditCut"), this);
  cut->setShortcut(QKeySequence::Cut);
  cut->setEnabled(false);
  connect(cut, &QAction::triggered, edit_, &QTextEdit::cut);
  connect(edit_, &QTextEdit::copyAvailable, cut, &QAction::setEnabled);
  QAction* copy = MakeAction(QStringLiteral("Copiar"), QStringLiteral("EditCopy"), this);
  copy->setShortcut(QKeySequence::Copy);
  copy->setEnabled(false);
  connect(copy, &QAction::triggered, edit_, &QTextEdit::copy);
  connect(edit_, &QTextEdit::copyAvailable, copy, &QAction::setEnabled);
  QAction* paste = MakeAction(QStringLiteral("Colar"), QStringLiteral("EditPaste"), this);
  paste->setShortcut(QKeySequence::Paste);
  connect(paste, &QAction::triggered, edit_, &QTextEdit::paste);
  menu->addActions({undo, cut, copy, paste});
}

void FormEdit::BuildToolBar() {
  QToolBar* bar = addToolBar(QStringLiteral("Formatação"));
  bar->setObjectName(QStringLiteral("ToolBarFormato"));
  bar->setMovable(false);

  font_ = new QFontComboBox(bar);
  font_->setObjectName(QStringLiteral("FontName"));
  bar->addWidget(font_);
  connect(font_, &QFontComboBox::textActivated, this, [this](const QString& family) {
    QTextCharFormat format;
    format.setFontFamilies({family});
    MergeFormat(format);
  });

  size_ = new QComboBox(bar);
  size_->setObjectName(QStringLiteral("FontSize"));
  size_->setEditable(true);
  for (int points : QFontDatabase::standardSizes()) size_->addItem(QString::number(points));
  bar->addWidget(size_);
  connect(size_, &QComboBox::textActivated, this, [this](const QString& text) {
    bool ok = false;
    const double points = text.toDouble(&ok);
    if (!ok || points <= 0) return;
    QTextCharFormat format;
    format.setFontPointSize(points);
    MergeFormat(format);
  });
  bar->addSeparator();

  bold_ = MakeAction(QStringLiteral("N"), QStringLiteral("BoldButton"), this, true);
  bold_->setToolTip(QStringLiteral("Negrito"));
  bold_->setShortcut(QKeySequence::Bold);
  QFont bold_font = bold_->font();
  bold_font.setBold(true);
  bold_->setFont(bold_font);
  connect(bold_, &QAction::triggered, this, [this](bool on) {
    QTextCharFormat format;
    format.setFontWeight(on ? QFont::Bold : QFont::Normal);
    MergeFormat(format);
  });
  italic_ = MakeAction(QStringLiteral("I"), QStringLiteral("ItalicButton"), this, true);
  italic_->setToolTip(QStringLiteral("Itálico"));
  italic_->setShortcut(QKeySequence::Italic);
  QFont italic_font = italic_->font();
  italic_font.setItalic(true);
  italic_->setFont(italic_font);
  connect(italic_, &QAction::triggered, this, [this](bool on) {
    QTextCharFormat format;
    format.setFontItalic(on);
    MergeFormat(format);
  });
  underline_ = MakeAction(QStringLiteral("S"), QStringLiteral("UnderlineButton"), this, true);
  underline_->setToolTip(QStringLiteral("Sublinhado"));
  underline_->setShortcut(QKeySequence::Underline);
  QFont underline_font = underline_->font();
  underline_font.setUnderline(true);
  underline_->setFont(underline_font);
  connect(underline_, &QAction::triggered, this, [this](bool on) {
    QTextCharFormat format;
    format.setFontUnderline(on);
    MergeFormat(format);
  });
  QAction* colour = MakeAction(QStringLiteral("Cor"), QStringLiteral("ColorButton"), this);
  colour->setToolTip(QStringLiteral("Cor do texto"));
  connect(colour, &QAction::triggered, this, &FormEdit::PickColour);
  bar->addActions({bold_, italic_, underline_, colour});
  bar->addSeparator();

  auto* alignment = new QActionGroup(this);
  left_ = MakeAction(QStringLiteral("Esq."), QStringLiteral("LeftAlign"), alignment, true);
  centre_ = MakeAction(QStringLiteral("Centro"), QStringLiteral("CenterAlign"), alignment, true);
  right_ = MakeAction(QStringLiteral("Dir."), QStringLiteral("RightAlign"), alignment, true);
  left_->setToolTip(QStringLiteral("Alinhar à esquerda"));
  centre_->setToolTip(QStringLiteral("Centralizar"));
  right_->setToolTip(QStringLiteral("Alinhar à direita"));
  connect(left_, &QAction::triggered, this, [this] { edit_->setAlignment(Qt::AlignLeft | Qt::AlignAbsolute); });
  connect(centre_, &QAction::triggered, this, [this] { edit_->setAlignment(Qt::AlignHCenter); });
  connect(right_, &QAction::triggered, this, [this] { edit_->setAlignment(Qt::AlignRight | Qt::AlignAbsolute); });
  bar->addActions(alignment->actions());
}

// Applies to the selection, or to what is typed next when nothing is
// selected.
void FormEdit::MergeFormat(const QTextCharFormat& format) {
  edit_->mergeCurrentCharFormat(format);
  edit_->setFocus();
}

void FormEdit::ShowCurrentFormat() {
  const QTextCharFormat format = edit_->currentCharFormat();
  const QFont font = format.font();
  font_->setCurrentFont(font);
  size_->setEditText(QString::number(font.pointSizeF()));
  bold_->setChecked(font.bold());
  italic_->setChecked(font.italic());
  underline_->setChecked(font.underline());
  const Qt::Alignment align = edit_->alignment();
  if (align & Qt::AlignHCenter) {
    centre_->setChecked(true);
  } else if (align & Qt::AlignRight) {
    right_->setChecked(true);
  } else {
    left_->setChecked(true);
  }
}

void FormEdit::PickColour() {
  const auto chosen = colours_.Pick(app::ToRgb(edit_->textColor()), QStringLiteral("Cor do texto"));
  if (!chosen) return;
  QTextCharFormat format;
  format.setForeground(app::ToQColor(*chosen));
  MergeFormat(format);
}

FormEdit& InstallTextEditor(app::TMainForm& form) {
  auto* editor = new FormEdit(form.services().colours, &form, form.editor_file_name());
  editor->hide();
  form.EnableMenuEntry(QStringLiteral("MenuTexto"), [editor] { editor->Open(); });
  return *editor;
}

}  // namespace tavelao::texteditor
