// The RTF reader on hand-written files: what word processors put around the
// text must not reach it, and malformed files must not lose what is there.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "texteditor/rtf_reader.h"
#include "texteditor/rtf_writer.h"

namespace tavelao::texteditor {
namespace {

RichText Read(const std::string& rtf) {
  auto text = ReadRtf(rtf);
  EXPECT_TRUE(text.ok()) << rtf;
  return text ? *text : RichText{};
}

std::string PlainText(const RichText& text) {
  std::string out;
  for (const Paragraph& p : text.paragraphs) {
    if (!out.empty()) out += '|';
    for (const TextRun& run : p.runs) out += run.text;
  }
  return out;
}

TEST(RtfReader, FontAndColourTablesGiveEachRunItsStyle) {
  const RichText text = Read(
      "{\\rtf1\\ansi\\deff1{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial{\\*\\falt Helvetica};}{\\f1\\froman Times New "
      "Roman;}}"
      "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue128;}"
      "\\pard\\qc\\f0\\fs40\\b Titulo\\b0\\par"
      "\\pard\\plain Normal {\\i\\cf1 vermelho} {\\ul\\cf2 azul}\\ulnone  fim}");
  ASSERT_EQ(text.paragraphs.size(), 2u);
  const Paragraph& title = text.paragraphs[0];
  EXPECT_EQ(title.style.alignment, Alignment::kCentre);
  ASSERT_EQ(title.runs.size(), 1u);
  EXPECT_EQ(title.runs[0].text, "Titulo");
  EXPECT_EQ(title.runs[0].style.font, "Arial") << "the \\falt group is not part of the name";
  EXPECT_EQ(title.runs[0].style.points, 20);
  EXPECT_TRUE(title.runs[0].style.bold);

  const auto& runs = text.paragraphs[1].runs;
  ASSERT_EQ(runs.size(), 5u);
  EXPECT_EQ(runs[0].text, "Normal ");
  EXPECT_EQ(runs[0].style.font, "Times New Roman") << "\\plain goes back to \\deff";
  EXPECT_EQ(runs[0].style.points, 12);
  EXPECT_FALSE(runs[0].style.colour);
  EXPECT_EQ(runs[1].text, "vermelho");
  EXPECT_TRUE(runs[1].style.italic);
  EXPECT_EQ(runs[1].style.colour, (Rgb{255, 0, 0}));
  EXPECT_EQ(runs[3].text, "azul");
  EXPECT_TRUE(runs[3].style.underline);
  EXPECT_EQ(runs[3].style.colour, (Rgb{0, 0, 128}));
  EXPECT_EQ(runs[4].text, " fim") << "group ends restore the formatting outside";
  EXPECT_FALSE(runs[4].style.underline);
}

TEST(RtfReader, AccentsInWindows1252AndUnicodeWithTheirFallbacksSkipped) {
  EXPECT_EQ(PlainText(Read("{\\rtf1\\ansi\\ansicpg1252 S\\'e3o Jo\\'e3o \\'80 \\'93x\\'94}")), "São João € “x”");
  EXPECT_EQ(PlainText(Read("{\\rtf1 Ma\\u231?\\u227?}")), "Maçã");
  EXPECT_EQ(PlainText(Read("{\\rtf1\\uc2 a\\u231\\'e7\\'e7b}")), "açb") << "\\uc2 skips two fallback bytes";
  EXPECT_EQ(PlainText(Read("{\\rtf1\\uc0 \\u9733 x}")), "★x");
  EXPECT_EQ(PlainText(Read("{\\rtf1 {\\uc3 \\u9733?}z}")), "★z") << "fallbacks never reach past the group";
  EXPECT_EQ(PlainText(Read("{\\rtf1 \\u-10188?\\u-8930? ok}")), "\U0001D11E ok") << "a surrogate pair";
  EXPECT_EQ(PlainText(Read("{\\rtf1 \\u-10187?x}")), "\uFFFDx") << "a lone high surrogate";
  EXPECT_EQ(PlainText(Read("{\\rtf1 a\\~b\\emdash c\\bullet\\{\\}\\\\}")), "a\u00A0b—c•{}\\");
}

TEST(RtfReader, UnknownGroupsAreSkippedAndTheTextAroundThemKept) {
  const RichText text = Read(
      "{\\rtf1{\\stylesheet{\\s0 Normal;}}{\\info{\\title Segredo}{\\author Ninguem}}"
      "{\\*\\generator Writer;}{\\*\\unknowndest lixo {\\b lixo}}"
      "Antes {\\pict\\pngblip\\picw8 89504e47{\\}}}depois "
      "{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt visivel}} "
      "\\unknownword texto{\\header cabecalho}\\par"
      "{\\*\\bkmkstart m}fim\\bin3 {}}x}");
  EXPECT_EQ(PlainText(text), "Antes depois visivel texto|fimx") << "\\bin bytes are data, braces included";
}

TEST(RtfReader, LineBreaksTabsAndParagraphs) {
  const RichText text = Read("{\\rtf1 um\\line dois\\tab tres\\par\\par quatro\\\ncinco}");
  EXPECT_EQ(PlainText(text), "um\ndois\ttres||quatro|cinco");
}

TEST(RtfReader, ParagraphPropertiesIndentsAndBullets) {
  const RichText text = Read(
      "{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset2 Symbol;}}"
      "\\pard\\qr\\li1440\\fi-720 Recuado\\par"
      // how word processors write bullets with \ls
      "\\pard{\\listtext\\pard\\plain\\f1 \\'b7\\tab}\\ls1\\li720\\fi-360 Geladeira\\par"
      "{\\listtext\\pard\\plain \\u8226\\'95\\tab}\\ls1\\li720\\fi-360 Fog\\'e3o\\par"
      // a numbered list keeps its numbers as text
      "\\pard{\\listtext 1.\\tab}\\ls2\\li720\\fi-360 Primeiro\\par"
      // the older \pn form that simple editors write
      "\\pard{\\pntext\\f1\\'b7\\tab}{\\*\\pn\\pnlvlblt\\pnf1\\pnindent0{\\pntxtb\\'b7}}\\fi-360\\li720 Cesta\\par"
      "{\\pntext\\f1\\'b7\\tab}Bola\\par"
      "\\pard Normal}");
  ASSERT_EQ(text.paragraphs.size(), 7u);
  const auto& p = text.paragraphs;
  EXPECT_EQ(p[0].style.alignment, Alignment::kRight);
  EXPECT_EQ(p[0].style.left_indent, 72);
  EXPECT_EQ(p[0].style.first_line_indent, -36);
  EXPECT_FALSE(p[0].style.bullet);
  for (int i : {1, 2, 4, 5}) {
    EXPECT_TRUE(p[i].style.bullet) << i;
    EXPECT_EQ(p[i].style.left_indent, 36) << i;
    EXPECT_EQ(p[i].style.first_line_indent, 0) << "the bullet's own hang is not kept " << i;
  }
  EXPECT_EQ(PlainText(text), "Recuado|Geladeira|Fogão|1.\tPrimeiro|Cesta|Bola|Normal")
      << "no bullet character left in the text";
  EXPECT_FALSE(p[3].style.bullet);
  EXPECT_FALSE(p[6].style.bullet) << "\\pard ends the list";
}

TEST(RtfReader, RefusesWhatIsNotRtf) {
  EXPECT_FALSE(ReadRtf("Texto simples").ok());
  EXPECT_FALSE(ReadRtf("").ok());
  EXPECT_EQ(ReadRtf("{\\pict}").error(), "O arquivo não está no formato RTF.");
  EXPECT_TRUE(LooksLikeRtf("\xEF\xBB\xBF \r\n{\\rtf1 x}"));
}

TEST(RtfReader, MalformedFilesKeepTheirText) {
  // Missing closing braces: the text up to the end.
  EXPECT_EQ(PlainText(Read("{\\rtf1 {\\b negrito {\\i ainda")), "negrito ainda");
  // Too many closing braces: the document ends at its own group.
  EXPECT_EQ(PlainText(Read("{\\rtf1 a}}} depois")), "a");
  // A number far beyond any integer saturates instead of wrapping.
  const RichText big =
      Read("{\\rtf1\\fs99999999999999999999 a\\li-99999999999999999 b\\cf9999999999 c\\u99999999999? d}");
  ASSERT_EQ(big.paragraphs.size(), 1u);
  EXPECT_GT(big.paragraphs[0].runs[0].style.points, 0);
  EXPECT_LE(big.paragraphs[0].runs[0].style.points, 1638);
  EXPECT_GE(big.paragraphs[0].style.left_indent, -1584);
  EXPECT_EQ(PlainText(big), "abc\uFFFD d");
  // Deep nesting: flattened past the cap, the text and the ends of the
  // groups still right.
  std::string deep = "{\\rtf1 ";
  for (int i = 0; i < 100000; ++i) deep += "{\\b ";
  deep += "fundo";
  for (int i = 0; i < 100000; ++i) deep += "}";
  deep += " raso}";
  const RichText nested = Read(deep);
  ASSERT_EQ(nested.paragraphs.size(), 1u);
  ASSERT_EQ(nested.paragraphs[0].runs.size(), 2u);
  EXPECT_EQ(nested.paragraphs[0].runs[0].text, "fundo");
  EXPECT_TRUE(nested.paragraphs[0].runs[0].style.bold);
  EXPECT_EQ(nested.paragraphs[0].runs[1].text, " raso");
  EXPECT_FALSE(nested.paragraphs[0].runs[1].style.bold);
  // Truncated escapes and control words at the very end.
  EXPECT_EQ(PlainText(Read("{\\rtf1 a\\'e")), "a");
  EXPECT_EQ(PlainText(Read("{\\rtf1 a\\")), "a");
  EXPECT_EQ(PlainText(Read("{\\rtf1 a\\bin999999999")), "a");
}

// The writer's output read back: every style the model carries survives.
TEST(RtfWriter, WhatItWritesReadsBackTheSame) {
  RichText text;
  Paragraph title;
  title.style.alignment = Alignment::kCentre;
  title.runs.push_back({"Grande Bingo {da} \\ Paróquia", {"Arial", 22, true, false, false, Rgb{0, 0, 128}}});
  Paragraph line;
  line.style.alignment = Alignment::kRight;
  line.style.left_indent = 18;
  line.style.first_line_indent = -9;
  line.runs.push_back({"Sábado\nàs 20h\t€ ★ \U0001D11E", {"Times New Roman", 10.5, false, true, true, Rgb{200, 0, 0}}});
  line.runs.push_back({" normal", {"Times New Roman", 10.5, false, false, false, std::nullopt}});
  Paragraph empty;
  Paragraph item1;
  item1.style.bullet = true;
  item1.style.left_indent = 30;
  item1.runs.push_back({"Geladeira", {"Arial", 12, false, false, false, std::nullopt}});
  Paragraph item2 = item1;
  item2.runs[0].text = "Fogão";
  Paragraph justified;
  justified.style.alignment = Alignment::kJustify;
  justified.runs.push_back({"fim; com ponto-e-vírgula", {"Font;Semi", 12, false, false, false, std::nullopt}});
  text.paragraphs = {title, line, empty, item1, item2, justified};

  const std::string rtf = WriteRtf(text);
  auto back = ReadRtf(rtf);
  ASSERT_TRUE(back.ok());
  justified.runs[0].style.font = "FontSemi";  // a font table entry cannot hold ';'
  text.paragraphs.back() = justified;
  EXPECT_EQ(*back, text) << rtf;
  EXPECT_TRUE(std::all_of(rtf.begin(), rtf.end(), [](char c) { return (c & 0x80) == 0; })) << "RTF is 7-bit text";
}

// Found by the fuzzer: empty paragraphs at the end were lost one per
// writing.
TEST(RtfWriter, EmptyParagraphsAtTheEndSurvive) {
  RichText text;
  text.paragraphs.resize(2);
  text.paragraphs[0].runs.push_back({"a", {"Arial", 12, false, false, false, std::nullopt}});
  EXPECT_EQ(*ReadRtf(WriteRtf(text)), text);
  text.paragraphs.erase(text.paragraphs.begin());
  EXPECT_EQ(*ReadRtf(WriteRtf(text)), text) << "one empty paragraph";
}

}  // namespace
}  // namespace tavelao::texteditor
