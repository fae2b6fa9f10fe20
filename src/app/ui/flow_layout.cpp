#include "app/ui/flow_layout.h"

#include <QWidget>
#include <algorithm>

namespace tavelao::app {
namespace {

bool FillsArea(const QLayoutItem& item) {
  const QWidget* widget = item.widget();
  if (!widget) return false;
  const QSizePolicy policy = widget->sizePolicy();
  return (policy.horizontalPolicy() & QSizePolicy::ExpandFlag) && (policy.verticalPolicy() & QSizePolicy::ExpandFlag);
}

}  // namespace

FlowLayout::FlowLayout(QWidget* parent, int margin, int spacing) : QLayout(parent), spacing_(spacing) {
  setContentsMargins(margin, margin, margin, margin);
}

FlowLayout::~FlowLayout() {
  while (QLayoutItem* item = takeAt(0)) delete item;
}

void FlowLayout::addItem(QLayoutItem* item) { items_.append(item); }

QLayoutItem* FlowLayout::takeAt(int index) {
  if (index < 0 || index >= items_.size()) return nullptr;
  return items_.takeAt(index);
}

int FlowLayout::heightForWidth(int width) const { return Arrange(QRect(0, 0, width, 0), true); }

QSize FlowLayout::minimumSize() const {
  // As wide as the widest visible panel, so that one never gets cut.
  QSize size;
  for (const QLayoutItem* item : items_) {
    if (!item->isEmpty()) size = size.expandedTo(item->sizeHint());
  }
  const QMargins m = contentsMargins();
  return size + QSize(m.left() + m.right(), m.top() + m.bottom());
}

void FlowLayout::setGeometry(const QRect& rect) {
  QLayout::setGeometry(rect);
  Arrange(rect, false);
}

int FlowLayout::Arrange(const QRect& rect, bool measure_only) const {
  const QRect area = rect.marginsRemoved(contentsMargins());
  int x = area.x();
  int y = area.y();
  int row_height = 0;
  for (QLayoutItem* item : items_) {
    if (item->isEmpty()) continue;  // hidden panels take no room
    QSize size = item->sizeHint();
    const bool fills = FillsArea(*item);
    if (x > area.x() && (fills || x + size.width() > area.right() + 1)) {
      x = area.x();
      y += row_height + spacing_;
      row_height = 0;
    }
    if (fills) size = size.expandedTo(QSize(area.right() + 1 - x, area.bottom() + 1 - y));
    if (!measure_only) item->setGeometry(QRect(QPoint(x, y), size));
    x += size.width() + spacing_;
    row_height = std::max(row_height, size.height());
  }
  const QMargins m = contentsMargins();
  return y + row_height - rect.y() + m.bottom();
}

}  // namespace tavelao::app
