#include "draw/minutes_pdf.h"

#include "draw/minutes_sheet.h"
#include "report/document_output.h"

namespace tavelao::draw {

Status WriteMinutesPdf(const DrawMinutes& minutes, const std::filesystem::path& path) {
  auto document = MinutesDocument(minutes);
  if (!document) return std::move(document).take_error();
  return report::WritePdf(*document, path);
}

}  // namespace tavelao::draw
