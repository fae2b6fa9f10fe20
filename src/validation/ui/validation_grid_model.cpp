#include "validation/ui/validation_grid_model.h"

#include "app/ui/qt_text.h"
#include "common/dialogs.h"
#include "common/text.h"
#include "validation/validation_store.h"

namespace tavelao::validation {
namespace {

bool IsCardCell(const std::string& field) {
  return field.size() >= 2 && field[0] == 'N' && field[1] >= '1' && field[1] <= '9';
}

}  // namespace

std::vector<GridColumn> DirectGridColumns() {
  std::vector<GridColumn> columns{
      {"Numero", QStringLiteral("Numero")}, {"Lote", QStringLiteral("Lote")}, {"Lan", QStringLiteral("Sequencial")}};
  for (int k = 1; k <= 25; ++k) columns.push_back({"N" + std::to_string(k), QStringLiteral("N%1").arg(k)});
  return columns;
}

std::vector<GridColumn> BatchListColumns() {
  return {
      {"Lote", QStringLiteral("Lote")}, {"Lan", QStringLiteral("Sequencial")}, {"Numero", QStringLiteral("Cartela")}};
}

ValidationGridModel::ValidationGridModel(ValidationStore& store, std::vector<GridColumn> columns, Dialogs* dialogs,
                                         QObject* parent)
    : QAbstractTableModel(parent), store_(store), columns_(std::move(columns)), dialogs_(dialogs) {}

void ValidationGridModel::SetView(store::Query view) {
  view_ = std::move(view);
  Reload();
}

void ValidationGridModel::Reload() {
  beginResetModel();
  page_start_ = -1;
  page_.clear();
  auto count = store_.table().Count(view_.filter);
  rows_ = count ? static_cast<int>(*count) : 0;
  endResetModel();
}

const store::Row* ValidationGridModel::RowAt(int row) const {
  if (row < 0 || row >= rows_) return nullptr;
  if (page_start_ < 0 || row < page_start_ || row >= page_start_ + static_cast<int>(page_.size())) {
    page_start_ = row - row % kPageSize;
    auto page = store_.table().Range(view_, page_start_, kPageSize);
    page_ = page ? std::move(*page) : std::vector<store::Row>{};
  }
  const int at = row - page_start_;
  return at < static_cast<int>(page_.size()) ? &page_[at] : nullptr;
}

int ValidationGridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int ValidationGridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant ValidationGridModel::data(const QModelIndex& index, int role) const {
  // Numbers to the right; the card's two-character cells N1..N25 stay as they are.
  if (role == Qt::TextAlignmentRole && index.column() < static_cast<int>(columns_.size()) &&
      !IsCardCell(columns_[index.column()].field)) {
    return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
  }
  if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
  const store::Row* row = RowAt(index.row());
  if (!row) return {};
  const std::string& field = columns_[index.column()].field;
  if (const auto number = row->record.Int(field)) {
    // Card numbers show as printed; the editor gets the plain number.
    if (field == "Numero" && role == Qt::DisplayRole) return app::ToQString(SixDigits(*number));
    return QString::number(*number);
  }
  return app::ToQString(row->record.Text(field));
}

QVariant ValidationGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Vertical) return section + 1;
  return columns_.at(section).caption;
}

Qt::ItemFlags ValidationGridModel::flags(const QModelIndex& index) const {
  Qt::ItemFlags flags = QAbstractTableModel::flags(index);
  if (dialogs_) flags |= Qt::ItemIsEditable;
  return flags;
}

bool ValidationGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::EditRole || !dialogs_) return false;
  const store::Row* row = RowAt(index.row());
  if (!row) return false;
  const std::string& field = columns_[index.column()].field;
  if (data(index, Qt::EditRole).toString() == value.toString()) return false;
  if (auto status = store_.EditField(*row, field, app::ToUtf8(value.toString())); !status) {
    dialogs_->Inform("Validação de cartelas", status.error());
    return false;
  }
  Reload();  // a new card number moves the record in the order
  return true;
}

}  // namespace tavelao::validation
