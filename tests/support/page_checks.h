#pragma once
// What every printed page must keep on every output (see page_outputs.h):
// the same words in the same places, no two words over each other, each
// word inside its card, words and bar codes clear of the paper's edge that
// printers cannot print on. Each check is a failure naming `where` and
// listing the words at fault.

#include <string>
#include <vector>

#include "report/document.h"
#include "support/page_outputs.h"

namespace tavelao::testing {

// Outputs agree on a word's box to this much.
inline constexpr double kSamePlaceMm = 0.3;

// Where the words of the document's one page may be: each detail band (each
// card) and, when `page_header_height` is given, the page header band at
// the top of the printable area.
std::vector<MmRect> CardAreas(const report::Document& document, double page_header_height = 0);

// Every output has the words of the first one (the 1200-dpi PDF), each
// within kSamePlaceMm of its place there.
void ExpectSameWordsInTheSamePlaces(const std::vector<PageOutput>& outputs, const std::string& where);

// On every output no two words overlap, each lies inside one of `areas`
// and at least report::kPrinterEdgeMm from each edge of the sheet.
void ExpectWordsApartInsideAndClearOfTheEdge(const std::vector<PageOutput>& outputs, const report::Document& document,
                                             const std::vector<MmRect>& areas, const std::string& where);

// Each of `texts` prints whole (its words one after another) on every
// output, inside `area` and apart from the words of the others.
void ExpectTextsWholeAndApart(const std::vector<PageOutput>& outputs, const std::vector<std::string>& texts,
                              const MmRect& area, const std::string& where);

// A bar code is read whole or not at all: each one of the page lies on the
// sheet at least report::kPrinterEdgeMm from its edges.
void ExpectBarCodesClearOfThePaperEdge(const report::Document& document, const std::string& where);

// The page's one output check after another: the words of PageOutputs
// checked as above, its bar codes, and the preview against the print
// (preview_likeness.h). Needs pdftotext and pdftoppm. The outputs are
// returned for the page's own checks.
std::vector<PageOutput> ExpectPageGeometry(const report::Document& document, const std::vector<MmRect>& areas,
                                           const std::filesystem::path& folder, const std::string& where);

}  // namespace tavelao::testing
