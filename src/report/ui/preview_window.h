#pragma once
// The preview of a finished document: page by page, zoomed, printed or
// saved as PDF. It holds its own copy of the document, so it still prints
// after the card file was deleted.

#include <QWidget>
#include <filesystem>

#include "common/dialogs.h"
#include "common/result.h"
#include "report/document.h"

class QLabel;
class QPagedPaintDevice;
class QScrollArea;
class QToolButton;

namespace tavelao::report {

// One page painted at the view's resolution times the zoom.
class PageView : public QWidget {
  Q_OBJECT

 public:
  explicit PageView(QWidget* parent = nullptr);
  void Show(const Document* document, std::size_t page, double zoom);
  double zoom() const { return zoom_; }
  // The widget size of a page at the given zoom, for "fit".
  QSize PageSize(double zoom) const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const Document* document_ = nullptr;
  std::size_t page_ = 0;
  double zoom_ = 1.0;
};

class PreviewWindow : public QWidget {
  Q_OBJECT

 public:
  // A window of its own over `parent`; boxes go through `dialogs`.
  PreviewWindow(Dialogs& dialogs, QWidget* parent = nullptr);

  // Takes the document, goes to its first page, fits it and shows the window.
  void Open(Document document);

  const Document& document() const { return document_; }
  std::size_t page() const { return page_; }
  double zoom() const { return view_->zoom(); }

  void GoTo(std::size_t page);
  void First() { GoTo(0); }
  void Previous() { GoTo(page_ == 0 ? 0 : page_ - 1); }
  void Next() { GoTo(page_ + 1); }
  void Last();
  void ZoomIn();
  void ZoomOut();
  void Fit();

  // "Imprimir" and "Salvar PDF" after their dialogs; a failure is shown.
  Status PrintOn(QPagedPaintDevice& device);
  Status SavePdf(const std::filesystem::path& path);

 private:
  void Print();
  void Save();
  void SetZoom(double zoom);
  void Refresh();

  Dialogs& dialogs_;
  Document document_;
  std::size_t page_ = 0;
  QScrollArea* area_ = nullptr;
  PageView* view_ = nullptr;
  QLabel* page_label_ = nullptr;
  QToolButton* first_ = nullptr;
  QToolButton* previous_ = nullptr;
  QToolButton* next_ = nullptr;
  QToolButton* last_ = nullptr;
};

}  // namespace tavelao::report
