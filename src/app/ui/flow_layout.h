#pragma once
// Lays the visible panels of the main window left to right from the
// top-left corner, wrapping to a new row when the window is too narrow. A
// panel that expands both ways (the draw screen) takes a row of its own and
// the rest of the window.

#include <QLayout>
#include <QList>

namespace tavelao::app {

class FlowLayout : public QLayout {
 public:
  FlowLayout(QWidget* parent, int margin, int spacing);
  ~FlowLayout() override;

  void addItem(QLayoutItem* item) override;
  int count() const override { return static_cast<int>(items_.size()); }
  QLayoutItem* itemAt(int index) const override { return items_.value(index); }
  QLayoutItem* takeAt(int index) override;

  Qt::Orientations expandingDirections() const override { return {}; }
  bool hasHeightForWidth() const override { return true; }
  int heightForWidth(int width) const override;
  QSize minimumSize() const override;
  QSize sizeHint() const override { return minimumSize(); }
  void setGeometry(const QRect& rect) override;

 private:
  // Places the items in `rect` (or only measures); returns the height used.
  int Arrange(const QRect& rect, bool measure_only) const;

  QList<QLayoutItem*> items_;
  int spacing_;
};

}  // namespace tavelao::app
