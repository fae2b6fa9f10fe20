#pragma once
// One printed page on the six outputs the program has: the PDF WritePdf
// writes (1200 dpi), PDFs at 96, 300 and 600 dpi, and the page as the
// preview paints it at its fit zoom and at 200 %; the words of each read
// back by pdftotext, in millimetres of the sheet.

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include "report/document.h"
#include "report/geometry.h"
#include "support/pdf_words.h"

namespace tavelao::testing {

inline constexpr double kMmPerPixel = 25.4 / report::kLayoutDpi;

// A rectangle of the sheet in millimetres.
struct MmRect {
  double left = 0, top = 0, right = 0, bottom = 0;
  bool Holds(const PdfWord& word, double slack) const;
  bool HoldsCentreOf(const PdfWord& word) const;
  // How far the word reaches out of the rectangle (0 inside).
  double Outside(const PdfWord& word) const;
};
MmRect ToMm(const report::Rect& rect);

std::string Mm(double value);  // "12.34"
std::string Describe(const PdfWord& word);
// The first problems, one a line, and how many more there were.
std::string Listed(const std::vector<std::string>& problems);

struct PageOutput {
  std::string name;  // "PDF 300 dpi", "preview at 200 %"
  std::filesystem::path pdf;
  std::vector<PdfWord> words;
};

// The document with only its page `page`, as the outputs and checks take it.
report::Document OnePage(report::Document document, std::size_t page = 0);

double SheetWidthMm(const report::Document& document);
double SheetHeightMm(const report::Document& document);

// The zoom the preview window fits the document's page to, as the organiser
// first sees it.
double PreviewFitZoom(const report::Document& document);

// The one page of `document` on the six outputs, the 1200-dpi PDF first
// (the reference of the others), written into `folder`. A PDF that cannot be
// written or read is a failure naming `where`; the list is then empty.
std::vector<PageOutput> PageOutputs(const report::Document& document, const std::filesystem::path& folder,
                                    const std::string& where);

}  // namespace tavelao::testing
