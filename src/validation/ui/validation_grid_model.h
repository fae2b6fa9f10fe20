#pragma once
// The validation store as the screens' grids show it: the records of one
// view (filter and order), read a page at a time so a store of a hundred
// thousand cards opens at once. The direct panel's grid edits in place.

#include <QAbstractTableModel>
#include <QString>

#include <cstdint>
#include <string>
#include <vector>

#include "store/query.h"
#include "store/record.h"

namespace tavelao {
class Dialogs;
}

namespace tavelao::validation {

class ValidationStore;

struct GridColumn {
  std::string field;
  QString caption;
};

// Numero, Lote, "Sequencial", N1..N25: the direct panel's grid.
std::vector<GridColumn> DirectGridColumns();
// "Lote", "Sequencial", "Cartela": the batch window's list.
std::vector<GridColumn> BatchListColumns();

class ValidationGridModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  // `dialogs` tells why an edit was refused; without it the grid is read-only.
  ValidationGridModel(ValidationStore& store, std::vector<GridColumn> columns, Dialogs* dialogs,
                      QObject* parent = nullptr);

  // Shows another view of the store, or the same one read again.
  void SetView(store::Query view);
  void Reload();

  // The stored record behind a grid row, or null past the end.
  const store::Row* RowAt(int row) const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;

 private:
  static constexpr int kPageSize = 256;

  ValidationStore& store_;
  std::vector<GridColumn> columns_;
  Dialogs* dialogs_;
  store::Query view_;
  int rows_ = 0;
  mutable int page_start_ = -1;
  mutable std::vector<store::Row> page_;
};

}  // namespace tavelao::validation
