#include "texteditor/ui/form_edit.h"

#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QFileInfo>
#include <QFontComboBox>
#include <QFontDatabase>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextEdit>
#include <QTextList>
#include <QToolBar>
#include <QVBoxLayout>
#include <filesystem>

#include "app/ui/colour_picker.h"
#include "app/ui/main_form.h"
#include "app/ui/qt_text.h"
#include "common/dialogs.h"
#include "report/offline_text_document.h"
#include "texteditor/free_text_file.h"
#include "texteditor/ui/indent_ruler.h"

namespace tavelao::texteditor {
namespace {

constexpr std::string_view kTitle = "Editor de texto para as cartelas";

QAction* MakeAction(const QString& text, const QString& name, QObject* parent, bool checkable = false) {
  auto* action = new QAction(text, parent);
  action->setObjectName(name);
  action->setCheckable(checkable);
  return action;
}

}  // namespace

FormEdit::FormEdit(Dialogs& dialogs, app::ColourPicker& colours, std::unique_ptr<EditorFiles> files, QWidget* parent,
                   QString start_file)
    : QMainWindow(parent, Qt::Window),
      dialogs_(dialogs),
      colours_(colours),
      files_(std::move(files)),
      start_file_(std::move(start_file)) {
  setObjectName(QStringLiteral("FormEdit"));
  setWindowTitle(app::ToQString(kTitle));
  auto* centre = new QWidget(this);
  auto* column = new QVBoxLayout(centre);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  ruler_ = new IndentRuler(centre);
  edit_ = new QTextEdit(centre);
  edit_->setObjectName(QStringLiteral("RichEdit1"));
  // Pasted HTML may name files and URLs; the text shows only what it holds.
  edit_->setDocument(new report::OfflineTextDocument(edit_));
  edit_->setAcceptRichText(true);
  // The layouts name Arial; the text starts in the same family.
  QFont base(QStringLiteral("Arial"), 12);
  edit_->document()->setDefaultFont(base);
  column->addWidget(ruler_);
  column->addWidget(edit_);
  setCentralWidget(centre);
  // The ruler's zero is where the text's left edge lies.
  ruler_->SetOrigin(edit_->frameWidth() + static_cast<int>(edit_->document()->documentMargin()));
  connect(ruler_, &IndentRuler::indentsChanged, this, &FormEdit::SetIndents);
  BuildFileMenu();
  BuildEditMenu();
  BuildToolBar();
  connect(edit_, &QTextEdit::currentCharFormatChanged, this, [this] { ShowCurrentFormat(); });
  connect(edit_, &QTextEdit::cursorPositionChanged, this, [this] { ShowCurrentFormat(); });
  ShowCurrentFormat();
  resize(680, 500);
}

void FormEdit::Open() {
  // A minimised editor comes back as it was before, maximised or not.
  if (isMinimized()) setWindowState(windowState() & ~Qt::WindowMinimized);
  show();
  raise();
  activateWindow();
  edit_->setFocus();
}

void FormEdit::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (start_file_done_) return;
  start_file_done_ = true;
  if (!start_file_.isEmpty() && QFileInfo(start_file_).isFile()) Load(start_file_);
}

std::string FormEdit::FreeTextHtml() const { return app::ToUtf8(edit_->toHtml()); }

void FormEdit::BuildFileMenu() {
  QMenu* menu = menuBar()->addMenu(QStringLiteral("Arquivo"));
  menu->setObjectName(QStringLiteral("MenuArquivo"));
  QAction* create = MakeAction(QStringLiteral("Novo"), QStringLiteral("FileNew"), this);
  create->setShortcut(QKeySequence::New);
  connect(create, &QAction::triggered, this, &FormEdit::FileNew);
  QAction* open = MakeAction(QStringLiteral("Abrir"), QStringLiteral("FileOpen"), this);
  open->setShortcut(QKeySequence::Open);
  connect(open, &QAction::triggered, this, &FormEdit::FileOpen);
  QAction* save = MakeAction(QStringLiteral("Salvar"), QStringLiteral("FileSave"), this);
  save->setShortcut(QKeySequence::Save);
  connect(save, &QAction::triggered, this, &FormEdit::FileSave);
  QAction* save_as = MakeAction(QStringLiteral("Salvar como..."), QStringLiteral("FileSaveAs"), this);
  connect(save_as, &QAction::triggered, this, &FormEdit::FileSaveAs);
  QAction* print = MakeAction(QStringLiteral("Imprimir"), QStringLiteral("FilePrint"), this);
  print->setShortcut(QKeySequence::Print);
  connect(print, &QAction::triggered, this, &FormEdit::FilePrint);
  QAction* leave = MakeAction(QStringLiteral("Sair"), QStringLiteral("FileExit"), this);
  connect(leave, &QAction::triggered, this, &QWidget::close);
  menu->addActions({create, open, save, save_as});
  menu->addSeparator();
  menu->addAction(print);
  menu->addSeparator();
  menu->addAction(leave);
}

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
  QAction* fonts = MakeAction(QStringLiteral("Fontes"), QStringLiteral("EditFont"), this);
  connect(fonts, &QAction::triggered, this, &FormEdit::PickFont);
  menu->addActions({undo, cut, copy, paste});
  menu->addSeparator();
  menu->addAction(fonts);
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
  bar->addSeparator();
  bullets_ = MakeAction(QStringLiteral("•"), QStringLiteral("BulletsButton"), this, true);
  bullets_->setToolTip(QStringLiteral("Marcadores"));
  connect(bullets_, &QAction::triggered, this, &FormEdit::ToggleBullets);
  bar->addAction(bullets_);
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
  const QTextBlock block = edit_->textCursor().block();
  bullets_->setChecked(block.textList() != nullptr);
  const QTextBlockFormat paragraph = block.blockFormat();
  const double list_indent =
      block.textList() ? block.textList()->format().indent() * edit_->document()->indentWidth() : 0;
  ruler_->SetIndents(paragraph.leftMargin() + list_indent, paragraph.textIndent());
}

void FormEdit::PickFont() {
  const auto chosen = files_->ChooseFont(this, edit_->currentCharFormat().font());
  if (!chosen) return;
  QTextCharFormat format;
  format.setFont(*chosen, QTextCharFormat::FontPropertiesSpecifiedOnly);
  MergeFormat(format);
}

// The paragraphs under the cursor join one bulleted list or leave theirs.
void FormEdit::ToggleBullets(bool on) {
  QTextCursor cursor = edit_->textCursor();
  cursor.beginEditBlock();
  if (on) {
    QTextListFormat bullets;
    bullets.setStyle(QTextListFormat::ListDisc);
    bullets.setIndent(1);
    cursor.createList(bullets);
  } else {
    QTextDocument* document = edit_->document();
    QTextBlock block = document->findBlock(cursor.selectionStart());
    const QTextBlock last = document->findBlock(cursor.selectionEnd());
    while (block.isValid()) {
      if (QTextList* list = block.textList()) list->remove(block);
      QTextBlockFormat format = block.blockFormat();
      format.setIndent(0);
      QTextCursor(block).setBlockFormat(format);
      if (block == last) break;
      block = block.next();
    }
  }
  cursor.endEditBlock();
  ShowCurrentFormat();
  edit_->setFocus();
}

// From the ruler: the left indent counts from the page's edge, so a
// bulleted paragraph's list indent is taken off its margin.
void FormEdit::SetIndents(double left, double first_line) {
  QTextCursor cursor = edit_->textCursor();
  const QTextBlock block = cursor.block();
  const double list_indent =
      block.textList() ? block.textList()->format().indent() * edit_->document()->indentWidth() : 0;
  QTextBlockFormat format;
  format.setLeftMargin(std::max(0.0, left - list_indent));
  format.setTextIndent(first_line);
  cursor.mergeBlockFormat(format);
  edit_->setTextCursor(cursor);
  ShowCurrentFormat();
}

bool FormEdit::ConfirmDiscard() {
  if (!edit_->document()->isModified()) return true;
  return dialogs_.Ask(kTitle, "O texto foi alterado e não foi salvo. Descartar as alterações?");
}

void FormEdit::FileNew() {
  if (!ConfirmDiscard()) return;
  edit_->clear();
  edit_->setCurrentCharFormat(QTextCharFormat());
  edit_->document()->setModified(false);
  SetFileName({});
}

void FormEdit::FileOpen() {
  if (!ConfirmDiscard()) return;
  const QString name = files_->OpenFileName(this);
  if (!name.isEmpty()) Load(name);
}

bool FormEdit::FileSave() {
  if (file_name_.isEmpty()) return FileSaveAs();
  return SaveTo(file_name_);
}

bool FormEdit::FileSaveAs() {
  QString filter = FormatForName(app::ToPath(file_name_)) == TextFileFormat::kText && !file_name_.isEmpty()
                       ? kTextFilter
                       : kRtfFilter;
  QString name = files_->SaveFileName(this, file_name_, filter);
  if (name.isEmpty()) return false;
  // A name without an extension takes the chosen filter's.
  if (QFileInfo(name).suffix().isEmpty())
    name += filter == kTextFilter ? QStringLiteral(".TXT") : QStringLiteral(".RTF");
  if (QFileInfo::exists(name) && !dialogs_.Ask(kTitle, "O arquivo " + app::ToUtf8(QFileInfo(name).fileName()) +
                                                           " já existe. Deseja substituí-lo?")) {
    return false;
  }
  return SaveTo(name);
}

void FormEdit::FilePrint() { files_->Print(this, *edit_->document()); }

// The file is read whole before the document changes, so one that cannot
// be read leaves the text as it was.
bool FormEdit::Load(const QString& name) {
  QTextDocument* document = edit_->document();
  if (const Status status = LoadFreeText(app::ToPath(name), *document); !status) {
    dialogs_.Inform(kTitle, status.error());
    return false;
  }
  document->clearUndoRedoStacks();
  document->setModified(false);
  SetFileName(name);
  ShowCurrentFormat();
  return true;
}

bool FormEdit::SaveTo(const QString& name) {
  const std::filesystem::path path = app::ToPath(name);
  if (const Status status = SaveFreeText(*edit_->document(), path, FormatForName(path)); !status) {
    dialogs_.Inform(kTitle, status.error());
    return false;
  }
  edit_->document()->setModified(false);
  SetFileName(name);
  return true;
}

void FormEdit::SetFileName(const QString& name) {
  file_name_ = name;
  setWindowTitle(name.isEmpty() ? app::ToQString(kTitle)
                                : app::ToQString(kTitle) + QStringLiteral(" - ") + QFileInfo(name).fileName());
}

void FormEdit::PickColour() {
  const auto chosen = colours_.Pick(app::ToRgb(edit_->textColor()), QStringLiteral("Cor do texto"));
  if (!chosen) return;
  QTextCharFormat format;
  format.setForeground(app::ToQColor(*chosen));
  MergeFormat(format);
}

FormEdit& InstallTextEditor(app::TMainForm& form) {
  auto* editor = new FormEdit(form.services().dialogs, form.services().colours, std::make_unique<QtEditorFiles>(),
                              &form, form.editor_file_name());
  editor->hide();
  form.EnableMenuEntry(QStringLiteral("MenuTexto"), [editor] { editor->Open(); });
  return *editor;
}

}  // namespace tavelao::texteditor
