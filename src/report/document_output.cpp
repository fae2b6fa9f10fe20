#include "report/document_output.h"

#include <QBuffer>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <cmath>

#include "common/atomic_file.h"
#include "common/output_file.h"
#include "report/page_painter.h"

namespace tavelao::report {
namespace {

// Vector output is fine enough at this resolution for bars of whole device
// pixels to keep their designed widths.
constexpr int kPdfResolution = 1200;

QPageLayout SheetLayout(const PageSetup& setup) {
  const QPageSize size(setup.paper == Paper::kA4 ? QPageSize::A4 : QPageSize::A5);
  const auto orientation = setup.orientation == Orientation::kPortrait ? QPageLayout::Portrait : QPageLayout::Landscape;
  return QPageLayout(size, orientation, QMarginsF(0, 0, 0, 0));
}

}  // namespace

Status PaintDocument(const Document& document, QPagedPaintDevice& device) {
  if (auto* printer = dynamic_cast<QPrinter*>(&device)) printer->setFullPage(true);
  if (!device.setPageLayout(SheetLayout(document.page))) {
    return Fail("A impressora não aceita o papel da página.");
  }
  QPainter painter;
  if (!painter.begin(&device)) return Fail("Não foi possível começar a impressão.");
  PagePainter pages(painter, device.logicalDpiX(), device.logicalDpiY());
  for (std::size_t i = 0; i < document.pages.size(); ++i) {
    if (i > 0 && !device.newPage()) {
      painter.end();
      return Fail("A impressão parou na página " + std::to_string(i + 1) + ".");
    }
    pages.Paint(document.pages[i], document.page);
  }
  if (!painter.end()) return Fail("A impressão não terminou.");
  return {};
}

Status WritePdf(const Document& document, const std::filesystem::path& path) {
  // The caller asked about any other file; a table is never replaced.
  if (auto allowed = CheckPdfOutput(path, Overwrite::kAnyOtherFile); !allowed) return allowed;
  QByteArray bytes;
  {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(kPdfResolution);
    writer.setTitle(QString::fromStdString(document.name));
    // How a later write knows the file as one of ours (IsOurPdf).
    writer.setCreator(QString::fromUtf8(kPdfCreator.data(), static_cast<qsizetype>(kPdfCreator.size())));
    if (auto painted = PaintDocument(document, writer); !painted) return painted;
  }
  return WriteFileAtomically(path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

QImage PageImage(const Document& document, std::size_t page, double dots_per_inch) {
  const double scale = dots_per_inch / kLayoutDpi;
  QImage image(static_cast<int>(std::lround(document.page.width() * scale)),
               static_cast<int>(std::lround(document.page.height() * scale)), QImage::Format_RGB32);
  const int dots_per_metre = static_cast<int>(std::lround(dots_per_inch / 0.0254));
  image.setDotsPerMeterX(dots_per_metre);
  image.setDotsPerMeterY(dots_per_metre);
  image.fill(Qt::white);
  QPainter painter(&image);
  PaintPage(painter, document, page, dots_per_inch, dots_per_inch);
  return image;
}

}  // namespace tavelao::report
