// The editor's document through RTF and back, RTF from LibreOffice Writer
// in the editor's document, and the files the editor opens and saves.

#include <gtest/gtest.h>

#include <QColor>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

#include "support/cli_runner.h"
#include "support/temp_folder.h"
#include "texteditor/free_text_file.h"
#include "texteditor/rich_text_document.h"
#include "texteditor/rtf_reader.h"
#include "texteditor/rtf_writer.h"
#include "texteditor/text_file.h"

namespace tavelao::texteditor {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

QTextCharFormat Chars(const QString& family, double points, bool bold = false, bool italic = false,
                      bool underline = false, QColor colour = {}) {
  QTextCharFormat format;
  format.setFontFamilies({family});
  format.setFontPointSize(points);
  format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
  format.setFontItalic(italic);
  format.setFontUnderline(underline);
  if (colour.isValid()) format.setForeground(colour);
  return format;
}

// What an organiser makes in the editor: a centred title, a coloured line,
// an indented paragraph with a line break and a bulleted list.
void MakeFreeText(QTextDocument& document) {
  QTextCursor cursor(&document);
  QTextBlockFormat centred;
  centred.setAlignment(Qt::AlignHCenter);
  cursor.setBlockFormat(centred);
  cursor.insertText("Grande Bingo", Chars("DejaVu Sans", 22, true));
  QTextBlockFormat right;
  right.setAlignment(Qt::AlignRight | Qt::AlignAbsolute);
  cursor.insertBlock(right);
  cursor.insertText("Sábado ", Chars("DejaVu Serif", 14, false, true, false, QColor(200, 0, 0)));
  cursor.insertText("às 20h", Chars("DejaVu Serif", 14, false, false, true, QColor(0, 0, 255)));
  QTextBlockFormat indented;
  indented.setLeftMargin(48);
  indented.setTextIndent(24);
  cursor.insertBlock(indented);
  cursor.insertText(QString("um") + QChar(QChar::LineSeparator) + "dois", Chars("DejaVu Sans", 10));
  QTextBlockFormat plain;
  cursor.insertBlock(plain);
  QTextListFormat bullets;
  bullets.setStyle(QTextListFormat::ListDisc);
  cursor.createList(bullets);
  cursor.insertText("Geladeira", Chars("DejaVu Sans", 12));
  cursor.insertBlock();
  cursor.insertText("Fogão", Chars("DejaVu Sans", 12));
  cursor.insertBlock(plain);
  cursor.insertText("Fim", Chars("DejaVu Sans", 12));
}

struct BlockView {
  QString text;
  Qt::Alignment alignment;
  double left;
  double first_line;
  bool bullet;
};

std::vector<BlockView> Blocks(const QTextDocument& document) {
  std::vector<BlockView> blocks;
  for (QTextBlock b = document.begin(); b.isValid(); b = b.next()) {
    const double list_indent = b.textList() ? b.textList()->format().indent() * document.indentWidth() : 0;
    blocks.push_back({b.text(), b.blockFormat().alignment() & Qt::AlignHorizontal_Mask,
                      b.blockFormat().leftMargin() + list_indent, b.blockFormat().textIndent(),
                      b.textList() && b.textList()->format().style() == QTextListFormat::ListDisc});
  }
  return blocks;
}

QTextCharFormat CharsAt(const QTextDocument& document, int block, int position) {
  QTextCursor cursor(document.findBlockByNumber(block));
  cursor.setPosition(cursor.block().position() + position + 1);
  return cursor.charFormat();
}

TEST(RichTextDocument, RoundTripThroughRtfKeepsTextFontsStylesColoursAlignmentAndBullets) {
  QTextDocument original;
  MakeFreeText(original);
  QTextDocument back;
  auto read = ReadRtf(WriteRtf(ReadDocument(original)));
  ASSERT_TRUE(read.ok());
  FillDocument(back, *read);

  EXPECT_EQ(back.toPlainText(), original.toPlainText());
  const auto before = Blocks(original);
  const auto after = Blocks(back);
  ASSERT_EQ(after.size(), before.size());
  for (std::size_t i = 0; i < before.size(); ++i) {
    EXPECT_EQ(after[i].text, before[i].text) << i;
    EXPECT_EQ(after[i].alignment & ~Qt::AlignAbsolute, before[i].alignment & ~Qt::AlignAbsolute) << i;
    EXPECT_NEAR(after[i].left, before[i].left, 0.1) << i;
    EXPECT_NEAR(after[i].first_line, before[i].first_line, 0.1) << i;
    EXPECT_EQ(after[i].bullet, before[i].bullet) << i;
  }
  EXPECT_TRUE(after[3].bullet && after[4].bullet);
  EXPECT_EQ(back.findBlockByNumber(3).textList(), back.findBlockByNumber(4).textList()) << "one list";

  const QTextCharFormat title = CharsAt(back, 0, 0);
  EXPECT_EQ(title.fontFamilies().toStringList().value(0), "DejaVu Sans");
  EXPECT_EQ(title.fontPointSize(), 22);
  EXPECT_TRUE(title.font().bold());
  const QTextCharFormat red = CharsAt(back, 1, 0);
  EXPECT_EQ(red.fontFamilies().toStringList().value(0), "DejaVu Serif");
  EXPECT_TRUE(red.fontItalic());
  EXPECT_FALSE(red.fontUnderline());
  EXPECT_EQ(red.foreground().color(), QColor(200, 0, 0));
  const QTextCharFormat blue = CharsAt(back, 1, 8);
  EXPECT_TRUE(blue.fontUnderline());
  EXPECT_FALSE(blue.fontItalic());
  EXPECT_EQ(blue.foreground().color(), QColor(0, 0, 255));
  EXPECT_EQ(CharsAt(back, 2, 0).fontPointSize(), 10);
  EXPECT_TRUE(back.findBlockByNumber(2).text().contains(QChar(QChar::LineSeparator))) << "the line break";
  EXPECT_FALSE(back.isModified());
}

TEST(RichTextDocument, NumberedListsKeepTheirNumbersAndPicturesAreLeftOut) {
  QTextDocument document;
  QTextCursor cursor(&document);
  QTextListFormat numbers;
  numbers.setStyle(QTextListFormat::ListDecimal);
  cursor.createList(numbers);
  cursor.insertText("Primeiro");
  cursor.insertImage("no-such-picture.png");
  cursor.insertBlock();
  cursor.insertText("Segundo");
  const RichText text = ReadDocument(document);
  ASSERT_EQ(text.paragraphs.size(), 2u);
  EXPECT_FALSE(text.paragraphs[0].style.bullet);
  ASSERT_EQ(text.paragraphs[0].runs.size(), 1u);
  EXPECT_EQ(text.paragraphs[0].runs[0].text, "1. Primeiro");
  ASSERT_EQ(text.paragraphs[1].runs.size(), 1u);
  EXPECT_EQ(text.paragraphs[1].runs[0].text, "2. Segundo");
}

// ---- RTF written by LibreOffice Writer (tests/data/rtf) ------------------

QTextDocument* LoadSample(const char* name, QTextDocument& document) {
  const Status loaded = LoadFreeText(std::filesystem::path(TAVELAO_RTF_SAMPLES) / name, document);
  EXPECT_TRUE(loaded.ok()) << (loaded ? "" : loaded.error());
  return &document;
}

TEST(WriterSamples, FestaKeepsTextAndFormatting) {
  QTextDocument document;
  LoadSample("festa.rtf", document);
  const auto blocks = Blocks(document);
  ASSERT_EQ(blocks.size(), 8u) << document.toPlainText().toStdString();
  EXPECT_EQ(blocks[0].text, "Grande Bingo da Paróquia");
  EXPECT_EQ(blocks[0].alignment & Qt::AlignHCenter, Qt::AlignHCenter);
  const QTextCharFormat title = CharsAt(document, 0, 0);
  EXPECT_EQ(title.fontFamilies().toStringList().value(0), "Arial");
  EXPECT_EQ(title.fontPointSize(), 22);
  EXPECT_TRUE(title.font().bold());

  EXPECT_EQ(blocks[1].text, "Sábado, às 20h — não falte!");
  const QTextCharFormat red = CharsAt(document, 1, 0);
  EXPECT_EQ(red.foreground().color(), QColor(0xc0, 0, 0));
  EXPECT_TRUE(red.fontItalic());
  EXPECT_EQ(red.fontPointSize(), 14);

  EXPECT_EQ(blocks[2].text,
            QString("Prêmios: cartela cheia e linha") + QChar(QChar::LineSeparator) + "Segunda linha do parágrafo.");
  EXPECT_TRUE(CharsAt(document, 2, 9).font().bold()) << "cartela cheia";
  const QTextCharFormat linha = CharsAt(document, 2, 25);
  EXPECT_TRUE(linha.fontUnderline());
  EXPECT_EQ(linha.foreground().color(), QColor(0, 0, 255));
  EXPECT_EQ(CharsAt(document, 2, 0).fontFamilies().toStringList().value(0), "Times New Roman");

  for (int i : {3, 4, 5}) EXPECT_TRUE(blocks[i].bullet) << i;
  EXPECT_EQ(blocks[3].text, "Uma geladeira duplex");
  EXPECT_EQ(blocks[4].text, "Um fogão de 4 bocas");
  EXPECT_NEAR(blocks[3].left, 48, 0.5) << "0.5 in";

  EXPECT_EQ(blocks[6].text, "Antes da figura  depois da figura, página 1.") << "picture out, field result in";
  EXPECT_NEAR(blocks[6].left, 96, 0.5);
  EXPECT_NEAR(blocks[6].first_line, 48, 0.5);
  EXPECT_EQ(blocks[7].text, "Organização: Comunidade São José");
  EXPECT_EQ(blocks[7].alignment & Qt::AlignRight, Qt::AlignRight);
  EXPECT_EQ(CharsAt(document, 7, 0).fontFamilies().toStringList().value(0), "Courier New");
  EXPECT_EQ(CharsAt(document, 7, 0).fontPointSize(), 10);
}

TEST(WriterSamples, AccentsInsideAndOutsideWindows1252) {
  QTextDocument document;
  LoadSample("acentos.rtf", document);
  EXPECT_EQ(document.toPlainText(),
            "Ação, coração, pão, maçã, avô, você, três, açúcar, Éramos, ÀS, Ü.\n"
            "Fora do código 1252: ★ estrela, → seta, \U0001D11E clave.\n"
            "No código 1252: € euro, “aspas” — travessão, … reticências.");
}

// ---- files ------------------------------------------------------------------

TEST(FreeTextFiles, SavedRtfAndTextOpenAgain) {
  TempFolder folder;
  QTextDocument original;
  MakeFreeText(original);
  EXPECT_EQ(FormatForName("A.RTF"), TextFileFormat::kRtf);
  EXPECT_EQ(FormatForName("a.txt"), TextFileFormat::kText);
  EXPECT_EQ(FormatForName("sem-extensao"), TextFileFormat::kText);

  ASSERT_TRUE(SaveFreeText(original, folder / "texto.rtf", TextFileFormat::kRtf).ok());
  QTextDocument rtf;
  ASSERT_TRUE(LoadFreeText(folder / "texto.rtf", rtf).ok());
  EXPECT_EQ(rtf.toPlainText(), original.toPlainText());
  EXPECT_EQ(CharsAt(rtf, 1, 0).foreground().color(), QColor(200, 0, 0));

  ASSERT_TRUE(SaveFreeText(original, folder / "texto.txt", TextFileFormat::kText).ok());
  const std::string bytes = ReadBytes(folder / "texto.txt");
  EXPECT_EQ(bytes.substr(0, 14), "Grande Bingo\r\n");
  EXPECT_NE(bytes.find("Sábado"), std::string::npos) << "UTF-8";
  QTextDocument plain;
  ASSERT_TRUE(LoadFreeText(folder / "texto.txt", plain).ok());
  EXPECT_EQ(plain.toPlainText(), original.toPlainText());
  EXPECT_FALSE(CharsAt(plain, 0, 0).font().bold());

  // An RTF file named .txt is still read as RTF.
  WriteBytes(folder / "engano.txt", "{\\rtf1 {\\b forte}}");
  QTextDocument mistaken;
  ASSERT_TRUE(LoadFreeText(folder / "engano.txt", mistaken).ok());
  EXPECT_EQ(mistaken.toPlainText(), "forte");
  EXPECT_TRUE(CharsAt(mistaken, 0, 0).font().bold());
}

TEST(FreeTextFiles, FailuresAreReportedAndKeepWhatWasThere) {
  TempFolder folder;
  QTextDocument document;
  document.setPlainText("antes");
  const Status missing = LoadFreeText(folder / "nao-existe.rtf", document);
  ASSERT_FALSE(missing.ok());
  EXPECT_EQ(missing.error(), "Não foi possível abrir o arquivo \"nao-existe.rtf\".");
  EXPECT_EQ(document.toPlainText(), "antes");
  const Status unwritable = SaveFreeText(document, folder / "nao-existe" / "a.rtf", TextFileFormat::kRtf);
  EXPECT_FALSE(unwritable.ok());
}

TEST(TextFiles, Utf8WhenValidOtherwiseWindows1252) {
  EXPECT_EQ(DecodeTextFile("S\xC3\xA3o Jo\xC3\xA3o"), "São João");
  EXPECT_EQ(DecodeTextFile("\xEF\xBB\xBF"
                           "com BOM"),
            "com BOM");
  EXPECT_EQ(DecodeTextFile("S\xE3o Jo\xE3o \x80 \x93x\x94"), "São João € “x”");
  // One invalid byte makes the whole file Windows-1252, even after valid
  // UTF-8-looking pairs.
  EXPECT_EQ(DecodeTextFile("\xC3\xA9 e \xE9"), "Ã© e é");
  EXPECT_EQ(DecodeTextFile("\xC0\x80"), "À€") << "an overlong sequence is not UTF-8";
  EXPECT_EQ(DecodeTextFile("a\r\nb\rc\nd"), "a\nb\nc\nd");
  EXPECT_EQ(EncodeTextFile("a\nç"), "a\r\n\xC3\xA7");
}

}  // namespace
}  // namespace tavelao::texteditor

namespace tavelao::texteditor {
namespace {

// tavelao-cli emite --texto takes the files the editor opens.
TEST(EmiteTexto, RtfAndTextFilesPrintAndAMissingOneIsRefused) {
  TempFolder folder;
  WriteBytes(folder / "texto.rtf", "{\\rtf1\\qc\\b Grande Bingo\\par}");
  WriteBytes(folder / "texto.txt", "Pr\xEAmios");
  for (const char* file : {"texto.rtf", "texto.txt"}) {
    const auto run = testing::RunCli(
        folder.path(), std::string("emite --modelo 1 --inicial 1 --quantidade 1 --texto ") + file + " --pdf saida.pdf");
    EXPECT_EQ(run.status, 0) << file << run.err;
    EXPECT_TRUE(std::filesystem::exists(folder / "saida.pdf")) << file;
    std::filesystem::remove(folder / "saida.pdf");
  }
  const auto missing =
      testing::RunCli(folder.path(), "emite --modelo 1 --inicial 1 --quantidade 1 --texto nada.rtf --pdf saida.pdf");
  EXPECT_EQ(missing.status, 2);
  EXPECT_NE(missing.err.find("Não foi possível abrir o arquivo \"nada.rtf\"."), std::string::npos) << missing.err;
  EXPECT_FALSE(std::filesystem::exists(folder / "saida.pdf"));
}

}  // namespace
}  // namespace tavelao::texteditor
