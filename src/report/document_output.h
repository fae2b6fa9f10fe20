#pragma once
// A finished document onto the outputs: any paged device (printer, PDF
// writer), a PDF file, or the image of one page.

#include <cstddef>
#include <filesystem>

#include "common/result.h"
#include "report/document.h"

class QImage;
class QPagedPaintDevice;

namespace tavelao::report {

// Sets the device to the document's paper and orientation with no margins
// (a printer prints on its full page) and paints every page in order.
Status PaintDocument(const Document& document, QPagedPaintDevice& device);

// The whole document as one PDF file, written under a temporary name and
// renamed when complete; texts stay searchable text. Never over a table
// file (CheckPdfOutput); whether another existing file may go is the
// caller's question.
Status WritePdf(const Document& document, const std::filesystem::path& path);

// One page as a picture of the sheet at the given resolution.
QImage PageImage(const Document& document, std::size_t page, double dots_per_inch);

}  // namespace tavelao::report
