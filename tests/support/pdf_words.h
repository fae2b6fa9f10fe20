#pragma once
// The words of a PDF with their boxes, as `pdftotext -bbox -raw` reads them:
// in the order they were drawn, in millimetres from each page's top left
// corner.

#include <filesystem>
#include <string>
#include <vector>

#include "common/result.h"

namespace tavelao::testing {

struct PdfWord {
  std::string text;
  double left = 0;  // millimetres
  double top = 0;
  double right = 0;
  double bottom = 0;
};

struct PdfPageWords {
  double width = 0;  // millimetres
  double height = 0;
  std::vector<PdfWord> words;
};

// Every page of the file; the message says why when pdftotext fails or its
// output cannot be read.
Result<std::vector<PdfPageWords>> ReadPdfWords(const std::filesystem::path& pdf);

}  // namespace tavelao::testing
