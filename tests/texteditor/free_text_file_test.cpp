// Reading a free text file can neither hang, nor exhaust the memory, nor
// reach for files the text names: both the editor's "Abrir" and
// tavelao-cli emite --texto go through these functions.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QFont>
#include <QTextDocument>
#include <chrono>

#include "support/cli_runner.h"
#include "support/temp_folder.h"
#include "texteditor/free_text_file.h"
#include "texteditor/html_shape.h"

namespace tavelao::texteditor {
namespace {

using testing::TempFolder;
using testing::WriteBytes;

const QFont kFont(QStringLiteral("Arial"), 12);

std::string Repeat(std::string_view piece, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += piece;
  return out;
}

TEST(FreeTextReading, OnlySmallRegularFilesAreRead) {
  TempFolder dir;
  ASSERT_EQ(::mkfifo((dir / "fila.rtf").c_str(), 0600), 0);
  ASSERT_EQ(::mkfifo((dir / "fila.html").c_str(), 0600), 0);
  std::filesystem::create_directory(dir / "pasta.rtf");
  WriteBytes(dir / "grande.rtf", "{\\rtf1 " + std::string(2 << 20, 'a') + "}");
  QTextDocument document;
  document.setPlainText("antes");
  for (const char* name : {"fila.rtf", "pasta.rtf", "grande.rtf"}) {
    const Status loaded = LoadFreeText(dir / name, document);
    ASSERT_FALSE(loaded.ok()) << name;
    EXPECT_NE(loaded.error().find(name), std::string::npos) << loaded.error();
    EXPECT_EQ(document.toPlainText(), "antes") << name;
  }
  EXPECT_NE(LoadFreeText(dir / "grande.rtf", document).error().find("grande demais"), std::string::npos);
  for (const char* name : {"fila.rtf", "fila.html", "pasta.rtf", "grande.rtf"}) {
    EXPECT_FALSE(FreeTextHtml(dir / name, kFont).ok()) << name;
  }
  EXPECT_FALSE(FreeTextHtml("/dev/zero", kFont).ok());
}

TEST(FreeTextReading, HtmlTooDeepOrWithTooManyElementsIsRefusedAtOnce) {
  TempFolder dir;
  // The text document's parser would take minutes over these.
  WriteBytes(dir / "fundo.html", Repeat("<div>", 100000) + "x" + Repeat("</div>", 100000));
  WriteBytes(dir / "spans.html", Repeat("<span>", 101) + "x");
  WriteBytes(dir / "muitos.html", Repeat("<b>a</b>", kMaxHtmlElements + 1));
  const auto start = std::chrono::steady_clock::now();
  const auto deep = FreeTextHtml(dir / "fundo.html", kFont);
  ASSERT_FALSE(deep.ok());
  EXPECT_EQ(deep.error(),
            "O texto \"fundo.html\" tem elementos aninhados demais (mais de 100 níveis) e não foi aberto.");
  EXPECT_FALSE(FreeTextHtml(dir / "spans.html", kFont).ok()) << "unclosed elements nest too";
  const auto many = FreeTextHtml(dir / "muitos.html", kFont);
  ASSERT_FALSE(many.ok());
  EXPECT_EQ(many.error(), "O texto \"muitos.html\" tem elementos demais (mais de 20000) e não foi aberto.");
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

// What word processors and hand-written pages hold stays within the bounds.
TEST(FreeTextReading, OrdinaryHtmlIsWithinTheBounds) {
  QTextDocument written;
  written.setHtml(
      "<h1>Grande Bingo</h1><ul><li>um<ul><li>dois</li></ul></li></ul>"
      "<table><tr><td><b><i>três</i></b></td></tr></table>");
  const std::string cases[] = {
      written.toHtml().toStdString(),
      // Paragraphs, items and cells left open end at the next one.
      "<html><body>" + Repeat("<p>parágrafo", 500) + "</body></html>",
      "<table>" + Repeat("<tr><td>a<td>b", 300) + "</table>",
      "<ul>" + Repeat("<li><p>item", 300) + "</ul>",
      Repeat("<p>linha<br>quebrada<img src=\"data:,\"/><hr></p>", 300),
      // Markup that is no markup: comments, scripts, quoted '>' and a '<' in text.
      "<!DOCTYPE html><!-- " + Repeat("<div>", 500) +
          " --><style>p > b { }</style>"
          "<script>if (a < b) { x = '" +
          Repeat("<div>", 500) +
          "'; }</script>"
          "<p title=\"a > b\">1 < 2</p>",
  };
  for (const std::string& html : cases) EXPECT_TRUE(CheckHtmlShape(html, "\"t.html\"").ok()) << html.substr(0, 200);
}

// An HTML text naming /dev/zero as its picture, style sheet and background
// once made tavelao-cli read 4 GB and abort; now it prints without reading
// any of them, and a fifo given as the text is refused at once.
TEST(EmiteTexto, HtmlNamingFilesPrintsWithoutReadingThemAndAFifoIsRefused) {
  TempFolder dir;
  WriteBytes(dir / "aviso.html",
             "<html><head><link rel=\"stylesheet\" href=\"/dev/zero\"></head><body background=\"/dev/zero\">"
             "<p>Grande Bingo</p><img src=\"/dev/zero\"><img src=\"file:///dev/zero\" width=\"10\" height=\"10\">"
             "</body></html>");
  const auto printed = testing::RunCli(
      dir.path(), "emite --modelo 1 --inicial 1 --quantidade 1 --texto aviso.html --pdf c.pdf", "timeout 60");
  EXPECT_EQ(printed.status, 0) << printed.err;
  EXPECT_TRUE(std::filesystem::exists(dir / "c.pdf"));

  ASSERT_EQ(::mkfifo((dir / "fila.html").c_str(), 0600), 0);
  const auto fifo = testing::RunCli(
      dir.path(), "emite --modelo 1 --inicial 1 --quantidade 1 --texto fila.html --pdf d.pdf", "timeout 60");
  EXPECT_EQ(fifo.status, 2);
  EXPECT_NE(fifo.err.find("\"fila.html\" não é um arquivo comum"), std::string::npos) << fifo.err;
  EXPECT_FALSE(std::filesystem::exists(dir / "d.pdf"));
}

}  // namespace
}  // namespace tavelao::texteditor
