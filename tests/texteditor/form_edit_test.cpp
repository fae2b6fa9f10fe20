// FormEdit as the organiser uses it: menus found by their names, the
// questions and file dialogs answered by the test.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QComboBox>
#include <QImage>
#include <QMenu>
#include <QMouseEvent>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextList>
#include <deque>

#include "app/app_harness.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"
#include "texteditor/ui/form_edit.h"
#include "texteditor/ui/indent_ruler.h"

namespace tavelao::texteditor {
namespace {

using testing::ReadBytes;
using testing::ScriptedColours;
using testing::ScriptedDialogs;
using testing::TempFolder;
using testing::WriteBytes;

class ScriptedFiles : public EditorFiles {
 public:
  QString OpenFileName(QWidget*) override { return Next(); }
  QString SaveFileName(QWidget*, const QString&, QString& filter) override {
    if (!filters.empty()) {
      filter = filters.front();
      filters.pop_front();
    }
    return Next();
  }
  std::optional<QFont> ChooseFont(QWidget*, const QFont&) override { return font; }
  void Print(QWidget*, const QTextDocument& document) override { printed.push_back(document.toPlainText()); }

  QString Next() {
    if (names.empty()) return {};
    const QString name = names.front();
    names.pop_front();
    return name;
  }
  std::deque<QString> names;  // empty: cancelled
  std::deque<QString> filters;
  std::optional<QFont> font;
  std::vector<QString> printed;
};

class FormEditTest : public ::testing::Test {
 protected:
  FormEditTest() { Make({}); }

  void Make(const QString& start_file) {
    auto scripted = std::make_unique<ScriptedFiles>();
    files = scripted.get();
    editor = std::make_unique<FormEdit>(dialogs, colours, std::move(scripted), nullptr, start_file);
  }
  void Trigger(const char* name) {
    QAction* action = editor->findChild<QAction*>(name);
    ASSERT_NE(action, nullptr) << name;
    action->trigger();
  }
  QString Path(const char* name) const { return QString::fromStdString((folder / name).string()); }
  void Type(const QString& text) {
    editor->editor().setFocus();
    QTest::keyClicks(&editor->editor(), text);
  }

  TempFolder folder;
  ScriptedDialogs dialogs;
  ScriptedColours colours;
  ScriptedFiles* files = nullptr;
  std::unique_ptr<FormEdit> editor;
};

TEST_F(FormEditTest, MenusHoldTheirEntries) {
  const auto entries = [this](const char* menu) {
    QStringList texts;
    for (QAction* a : editor->findChild<QMenu*>(menu)->actions()) {
      if (!a->isSeparator()) texts << a->text();
    }
    return texts;
  };
  EXPECT_EQ(entries("MenuArquivo"), QStringList({"Novo", "Abrir", "Salvar", "Salvar como...", "Imprimir", "Sair"}));
  EXPECT_EQ(entries("MenuEditar"), QStringList({"Desfazer", "Recortar", "Copiar", "Colar", "Fontes"}));
}

TEST_F(FormEditTest, SaveAsAsksBeforeOverwritingAndSaveKeepsTheName) {
  editor->show();
  Type("Festa");
  ASSERT_TRUE(editor->editor().document()->isModified());
  // A name without an extension takes the filter's.
  files->names.push_back(Path("festa"));
  files->filters.push_back(kRtfFilter);
  Trigger("FileSave");
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(editor->file_name(), Path("festa.RTF"));
  EXPECT_TRUE(ReadBytes(folder / "festa.RTF").starts_with("{\\rtf1"));
  EXPECT_FALSE(editor->editor().document()->isModified());
  EXPECT_TRUE(editor->windowTitle().endsWith(" - festa.RTF"));

  Type(" junina");
  Trigger("FileSave");  // the same file, without asking
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_NE(ReadBytes(folder / "festa.RTF").find("Festa junina"), std::string::npos);

  WriteBytes(folder / "outro.txt", "antigo");
  files->names.push_back(Path("outro.txt"));
  dialogs.AnswerNo();
  Trigger("FileSaveAs");
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.last().text, "O arquivo outro.txt já existe. Deseja substituí-lo?");
  EXPECT_EQ(ReadBytes(folder / "outro.txt"), "antigo") << "No leaves the file";
  EXPECT_EQ(editor->file_name(), Path("festa.RTF"));

  files->names.push_back(Path("outro.txt"));
  dialogs.AnswerYes();
  Trigger("FileSaveAs");
  EXPECT_EQ(ReadBytes(folder / "outro.txt"), "Festa junina") << "a text file holds the characters only";
  EXPECT_EQ(editor->file_name(), Path("outro.txt"));
}

TEST_F(FormEditTest, SavingOverATableIsRefusedWhateverTheAnswer) {
  editor->show();
  Type("Festa");
  WriteBytes(folder / "Validadas.cds", "a tabela");
  files->names.push_back(Path("Validadas.cds"));
  dialogs.AnswerYes();
  Trigger("FileSaveAs");
  ASSERT_EQ(dialogs.shown.size(), 2u);
  EXPECT_EQ(dialogs.last().text, "O arquivo \"Validadas.cds\" é uma tabela do Tavelão e não será substituído.");
  EXPECT_EQ(ReadBytes(folder / "Validadas.cds"), "a tabela");
  EXPECT_TRUE(editor->file_name().isEmpty());
  EXPECT_TRUE(editor->editor().document()->isModified()) << "the text is still to be saved";
}

// Pasted HTML may name picture files; only a picture the text holds shows.
TEST_F(FormEditTest, APictureNamedByFileIsNotLoaded) {
  QImage black(60, 40, QImage::Format_RGB32);
  black.fill(Qt::black);
  ASSERT_TRUE(black.save(Path("preto.png")));
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  black.save(&buffer, "PNG");
  editor->show();
  QTextEdit& edit = editor->editor();
  const auto height = [&edit](const QString& html) {
    edit.clear();
    edit.insertHtml(html);
    return edit.document()->size().height();
  };
  const double embedded = height("<img src=\"data:image/png;base64," + QString::fromLatin1(png.toBase64()) + "\">");
  const double named = height("<img src=\"" + Path("preto.png") + "\">");
  EXPECT_GT(embedded, 40);
  EXPECT_LT(named, embedded - 20);
}

TEST_F(FormEditTest, NewAndOpenAskBeforeDiscardingChanges) {
  editor->show();
  Type("Rascunho");
  dialogs.AnswerNo();
  Trigger("FileNew");
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.last().text, "O texto foi alterado e não foi salvo. Descartar as alterações?");
  EXPECT_EQ(editor->editor().toPlainText(), "Rascunho") << "No keeps the text";

  WriteBytes(folder / "antigo.txt", "Pr\xEAmio: uma ma\xE7\xE3");  // Windows-1252
  files->names.push_back(Path("antigo.txt"));
  dialogs.AnswerNo();
  Trigger("FileOpen");
  EXPECT_EQ(dialogs.shown.size(), 2u);
  EXPECT_EQ(editor->editor().toPlainText(), "Rascunho");
  EXPECT_EQ(files->names.size(), 1u) << "no file dialog after No";

  dialogs.AnswerYes();
  Trigger("FileOpen");
  EXPECT_EQ(editor->editor().toPlainText(), "Prêmio: uma maçã");
  EXPECT_EQ(editor->file_name(), Path("antigo.txt"));
  EXPECT_FALSE(editor->editor().document()->isModified());
  EXPECT_FALSE(editor->editor().document()->isUndoAvailable()) << "opening is not undone into the old text";

  // Unchanged text: no question.
  Trigger("FileNew");
  EXPECT_EQ(dialogs.shown.size(), 3u);
  EXPECT_TRUE(editor->editor().toPlainText().isEmpty());
  EXPECT_TRUE(editor->file_name().isEmpty());

  // A file that cannot be opened is reported and the text stays.
  Type("fica");
  dialogs.AnswerYes();
  files->names.push_back(Path("sumiu.rtf"));
  Trigger("FileOpen");
  EXPECT_EQ(dialogs.last().text, "Não foi possível abrir o arquivo \"sumiu.rtf\".");
  EXPECT_FALSE(dialogs.last().question);
  EXPECT_EQ(editor->editor().toPlainText(), "fica");
}

TEST_F(FormEditTest, TheStartFileIsLoadedWhenTheWindowIsFirstShown) {
  WriteBytes(folder / "inicio.rtf", "{\\rtf1{\\fonttbl{\\f0 Arial;}}\\qc\\b Bingo\\par Segunda}");
  Make(Path("inicio.rtf"));
  EXPECT_TRUE(editor->editor().toPlainText().isEmpty()) << "not before it is shown";
  editor->show();
  EXPECT_EQ(editor->editor().toPlainText(), "Bingo\nSegunda");
  EXPECT_TRUE(editor->editor().document()->firstBlock().charFormat().font().bold() ||
              QTextCursor(editor->editor().document()->firstBlock()).charFormat().font().bold());
  editor->editor().setPlainText("mudou");
  editor->hide();
  editor->show();
  EXPECT_EQ(editor->editor().toPlainText(), "mudou") << "only the first time";

  Make(Path("nao-existe.rtf"));
  editor->show();
  EXPECT_TRUE(editor->editor().toPlainText().isEmpty());
  EXPECT_TRUE(dialogs.shown.empty()) << "a missing start file is not an error";
}

TEST_F(FormEditTest, BulletsRulerFontsAndPrint) {
  editor->show();
  QTextEdit& edit = editor->editor();
  edit.setPlainText("Geladeira\nFogão");
  edit.selectAll();
  Trigger("BulletsButton");
  const QTextBlock first = edit.document()->firstBlock();
  ASSERT_NE(first.textList(), nullptr);
  EXPECT_EQ(first.textList(), first.next().textList());
  EXPECT_EQ(first.textList()->format().style(), QTextListFormat::ListDisc);
  EXPECT_TRUE(editor->findChild<QAction*>("BulletsButton")->isChecked());
  Trigger("BulletsButton");
  EXPECT_EQ(edit.document()->firstBlock().textList(), nullptr);
  EXPECT_EQ(edit.document()->lastBlock().textList(), nullptr);

  // Dragging the markers: the left one moves both, the upper one the first
  // line only.
  QTextCursor cursor(edit.document()->firstBlock());
  edit.setTextCursor(cursor);
  auto* ruler = editor->findChild<IndentRuler*>("Ruler");
  ASSERT_NE(ruler, nullptr);
  QPoint from = ruler->LeftMarker();
  QTest::mousePress(ruler, Qt::LeftButton, {}, from);
  QMouseEvent move(QEvent::MouseMove, QPointF(from + QPoint(60, 0)), ruler->mapToGlobal(QPointF(from + QPoint(60, 0))),
                   Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(ruler, &move);
  QTest::mouseRelease(ruler, Qt::LeftButton, {}, from + QPoint(60, 0));
  EXPECT_EQ(edit.document()->firstBlock().blockFormat().leftMargin(), 60);
  EXPECT_EQ(edit.document()->firstBlock().blockFormat().textIndent(), 0);
  EXPECT_EQ(edit.document()->lastBlock().blockFormat().leftMargin(), 0) << "only the paragraph under the cursor";
  from = ruler->FirstLineMarker();
  QTest::mousePress(ruler, Qt::LeftButton, {}, from);
  QTest::mouseRelease(ruler, Qt::LeftButton, {}, from + QPoint(30, 0));
  EXPECT_EQ(edit.document()->firstBlock().blockFormat().leftMargin(), 60);
  EXPECT_EQ(edit.document()->firstBlock().blockFormat().textIndent(), 30);

  edit.selectAll();
  files->font = QFont("DejaVu Serif", 18);
  Trigger("EditFont");
  EXPECT_EQ(edit.textCursor().charFormat().fontPointSize(), 18);
  EXPECT_EQ(edit.textCursor().charFormat().fontFamilies().toStringList().value(0), "DejaVu Serif");

  Trigger("FilePrint");
  ASSERT_EQ(files->printed.size(), 1u);
  EXPECT_EQ(files->printed[0], "Geladeira\nFogão");
}

// The tool bar and the ruler follow the paragraph under the cursor in a
// file from a word processor; a picture of it goes to TAVELAO_SCREENSHOTS.
TEST_F(FormEditTest, ToolBarAndRulerFollowTheCursor) {
  Make(QString(TAVELAO_RTF_SAMPLES) + "/festa.rtf");
  editor->show();
  QTextEdit& edit = editor->editor();
  auto* ruler = editor->findChild<IndentRuler*>("Ruler");
  edit.setTextCursor(QTextCursor(edit.document()->findBlockByNumber(3)));
  EXPECT_TRUE(editor->findChild<QAction*>("BulletsButton")->isChecked());
  EXPECT_NEAR(ruler->left(), 48, 0.5);
  EXPECT_EQ(ruler->first_line(), 0);
  QTextCursor indented(edit.document()->findBlockByNumber(6));
  edit.setTextCursor(indented);
  EXPECT_FALSE(editor->findChild<QAction*>("BulletsButton")->isChecked());
  EXPECT_NEAR(ruler->left(), 96, 0.5);
  EXPECT_NEAR(ruler->first_line(), 48, 0.5);
  QTextCursor title(edit.document()->firstBlock());
  title.movePosition(QTextCursor::Right);
  edit.setTextCursor(title);
  EXPECT_TRUE(editor->findChild<QAction*>("BoldButton")->isChecked());
  EXPECT_TRUE(editor->findChild<QAction*>("CenterAlign")->isChecked());
  EXPECT_EQ(editor->findChild<QComboBox*>("FontSize")->currentText(), "22");
  const QByteArray shots = qgetenv("TAVELAO_SCREENSHOTS");
  if (!shots.isEmpty()) {
    editor->resize(760, 520);
    QApplication::processEvents();
    editor->grab().save(QString::fromUtf8(shots) + "/editor.png");
  }
}

TEST_F(FormEditTest, SairOnlyHidesAndKeepsTheText) {
  editor->show();
  Type("fica");
  Trigger("FileExit");
  EXPECT_FALSE(editor->isVisible());
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(editor->editor().toPlainText(), "fica");
}

// "Texto" on a minimised editor: it comes back, maximised if it was.
TEST_F(FormEditTest, TextoBringsAMinimisedEditorBack) {
  editor->Open();
  editor->showMinimized();
  ASSERT_TRUE(editor->isMinimized());
  editor->Open();
  EXPECT_FALSE(editor->isMinimized());
  EXPECT_TRUE(editor->isVisible());

  editor->showMaximized();
  editor->showMinimized();
  editor->Open();
  EXPECT_FALSE(editor->isMinimized());
  EXPECT_TRUE(editor->isMaximized());
}

}  // namespace
}  // namespace tavelao::texteditor
