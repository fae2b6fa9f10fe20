#include "report/ui/preview_window.h"

#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "report/document_output.h"
#include "report/page_painter.h"

namespace tavelao::report {
namespace {

constexpr double kMinZoom = 0.1;
constexpr double kMaxZoom = 4.0;
constexpr double kZoomStep = 1.25;

QToolButton* MakeTool(const QString& text, const QString& name, QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setText(text);
  button->setObjectName(name);
  button->setToolButtonStyle(Qt::ToolButtonTextOnly);
  return button;
}

}  // namespace

PageView::PageView(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("PaginaPreview"));
  setAttribute(Qt::WA_OpaquePaintEvent);
}

QSize PageView::PageSize(double zoom) const {
  if (!document_) return {};
  const double dpi_x = logicalDpiX() * zoom;
  const double dpi_y = logicalDpiY() * zoom;
  return {static_cast<int>(document_->page.width() / kLayoutDpi * dpi_x + 0.5),
          static_cast<int>(document_->page.height() / kLayoutDpi * dpi_y + 0.5)};
}

void PageView::Show(const Document* document, std::size_t page, double zoom) {
  document_ = document;
  page_ = page;
  zoom_ = zoom;
  setFixedSize(PageSize(zoom));
  update();
}

void PageView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  if (!document_ || page_ >= document_->pages.size()) return;
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  PaintPage(painter, *document_, page_, logicalDpiX() * zoom_, logicalDpiY() * zoom_);
}

PreviewWindow::PreviewWindow(Dialogs& dialogs, QWidget* parent) : QWidget(parent, Qt::Window), dialogs_(dialogs) {
  setObjectName(QStringLiteral("FormPreview"));
  setWindowTitle(QStringLiteral("Visualização da impressão"));

  auto* bar = new QHBoxLayout;
  first_ = MakeTool(QStringLiteral("|<"), QStringLiteral("ButtonPrimeira"), this);
  previous_ = MakeTool(QStringLiteral("<"), QStringLiteral("ButtonAnterior"), this);
  page_label_ = new QLabel(this);
  page_label_->setObjectName(QStringLiteral("LabelPagina"));
  page_label_->setAlignment(Qt::AlignCenter);
  page_label_->setMinimumWidth(page_label_->fontMetrics().horizontalAdvance(QStringLiteral("Página 0000 de 0000")));
  next_ = MakeTool(QStringLiteral(">"), QStringLiteral("ButtonProxima"), this);
  last_ = MakeTool(QStringLiteral(">|"), QStringLiteral("ButtonUltima"), this);
  first_->setToolTip(QStringLiteral("Primeira página"));
  previous_->setToolTip(QStringLiteral("Página anterior"));
  next_->setToolTip(QStringLiteral("Próxima página"));
  last_->setToolTip(QStringLiteral("Última página"));
  auto* zoom_in = MakeTool(QStringLiteral("+"), QStringLiteral("ButtonAumenta"), this);
  auto* zoom_out = MakeTool(QStringLiteral("-"), QStringLiteral("ButtonDiminui"), this);
  auto* fit = MakeTool(QStringLiteral("Ajustar"), QStringLiteral("ButtonAjusta"), this);
  zoom_in->setToolTip(QStringLiteral("Aumentar"));
  zoom_out->setToolTip(QStringLiteral("Diminuir"));
  fit->setToolTip(QStringLiteral("Página inteira"));
  auto* print = MakeTool(QStringLiteral("Imprimir"), QStringLiteral("ButtonImprimir"), this);
  auto* save = MakeTool(QStringLiteral("Salvar PDF"), QStringLiteral("ButtonSalvaPDF"), this);
  auto* close = MakeTool(QStringLiteral("Fechar"), QStringLiteral("ButtonFecha"), this);
  for (QWidget* w : {static_cast<QWidget*>(first_), static_cast<QWidget*>(previous_),
                     static_cast<QWidget*>(page_label_), static_cast<QWidget*>(next_), static_cast<QWidget*>(last_)}) {
    bar->addWidget(w);
  }
  bar->addSpacing(16);
  bar->addWidget(zoom_out);
  bar->addWidget(zoom_in);
  bar->addWidget(fit);
  bar->addSpacing(16);
  bar->addWidget(print);
  bar->addWidget(save);
  bar->addStretch();
  bar->addWidget(close);

  area_ = new QScrollArea(this);
  area_->setObjectName(QStringLiteral("ScrollPreview"));
  area_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  area_->setBackgroundRole(QPalette::Dark);
  view_ = new PageView;
  area_->setWidget(view_);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(bar);
  layout->addWidget(area_, 1);

  connect(first_, &QToolButton::clicked, this, &PreviewWindow::First);
  connect(previous_, &QToolButton::clicked, this, &PreviewWindow::Previous);
  connect(next_, &QToolButton::clicked, this, &PreviewWindow::Next);
  connect(last_, &QToolButton::clicked, this, &PreviewWindow::Last);
  connect(zoom_in, &QToolButton::clicked, this, &PreviewWindow::ZoomIn);
  connect(zoom_out, &QToolButton::clicked, this, &PreviewWindow::ZoomOut);
  connect(fit, &QToolButton::clicked, this, &PreviewWindow::Fit);
  connect(print, &QToolButton::clicked, this, &PreviewWindow::Print);
  connect(save, &QToolButton::clicked, this, &PreviewWindow::Save);
  connect(close, &QToolButton::clicked, this, &QWidget::close);

  resize(760, 900);
}

void PreviewWindow::Open(Document document) {
  document_ = std::move(document);
  page_ = 0;
  view_->Show(&document_, page_, view_->zoom());
  show();
  raise();
  activateWindow();
  // The viewport has its size only once the layout has run.
  layout()->activate();
  Fit();
}

void PreviewWindow::GoTo(std::size_t page) {
  const std::size_t count = document_.pages.size();
  page_ = count == 0 ? 0 : std::min(page, count - 1);
  Refresh();
}

void PreviewWindow::Last() { GoTo(document_.pages.empty() ? 0 : document_.pages.size() - 1); }

void PreviewWindow::ZoomIn() { SetZoom(zoom() * kZoomStep); }
void PreviewWindow::ZoomOut() { SetZoom(zoom() / kZoomStep); }

void PreviewWindow::Fit() {
  const QSize whole = view_->PageSize(1.0);
  if (whole.isEmpty()) return SetZoom(1.0);
  const QSize room = area_->viewport()->size() - QSize(8, 8);
  SetZoom(std::min(double(room.width()) / whole.width(), double(room.height()) / whole.height()));
}

void PreviewWindow::SetZoom(double zoom) {
  view_->Show(&document_, page_, std::clamp(zoom, kMinZoom, kMaxZoom));
  Refresh();
}

void PreviewWindow::Refresh() {
  const std::size_t count = document_.pages.size();
  view_->Show(&document_, page_, view_->zoom());
  page_label_->setText(count == 0 ? QStringLiteral("Nenhuma página")
                                  : QStringLiteral("Página %1 de %2").arg(page_ + 1).arg(count));
  first_->setEnabled(page_ > 0);
  previous_->setEnabled(page_ > 0);
  next_->setEnabled(page_ + 1 < count);
  last_->setEnabled(page_ + 1 < count);
}

Status PreviewWindow::PrintOn(QPagedPaintDevice& device) {
  auto printed = PaintDocument(document_, device);
  if (!printed) dialogs_.Inform("Impressão", printed.error());
  return printed;
}

// The file dialog asked before replacing a file; WritePdf still refuses a
// table file, and the refusal is shown like any failure.
Status PreviewWindow::SavePdf(const std::filesystem::path& path) {
  auto written = WritePdf(document_, path);
  if (!written) {
    dialogs_.Inform("Salvar PDF", written.error());
  } else {
    // The file dialog has closed: say where the file went.
    const QString shown = QDir::toNativeSeparators(QString::fromStdU16String(path.u16string()));
    dialogs_.Inform("Salvar PDF", "PDF salvo em " + shown.toStdString());
  }
  return written;
}

void PreviewWindow::Print() {
  QPrinter printer(QPrinter::HighResolution);
  QPrintDialog dialog(&printer, this);
  dialog.setWindowTitle(QStringLiteral("Imprimir"));
  if (dialog.exec() != QDialog::Accepted) return;
  (void)PrintOn(printer);
}

void PreviewWindow::Save() {
  const QString name = QFileDialog::getSaveFileName(this, QStringLiteral("Salvar PDF"), QStringLiteral("cartelas.pdf"),
                                                    QStringLiteral("Arquivos PDF (*.pdf)"));
  if (name.isEmpty()) return;
  (void)SavePdf(std::filesystem::path(name.toStdU16String()));
}

}  // namespace tavelao::report
