#pragma once
// DBGridNomeCar: the sponsor list as a grid bound to "empresas.cds". Pedra
// is read-only; the three name lines are edited in place, 15 characters
// each, and every accepted edit is posted at once. A name with ";" is
// refused with a message and not stored.

#include <QAbstractTableModel>
#include <QStyledItemDelegate>

#include "business/sponsors.h"
#include "common/dialogs.h"
#include "store/table.h"

namespace tavelao::business {

class SponsorGridModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit SponsorGridModel(Dialogs& dialogs, QObject* parent = nullptr);

  // Shows the table (null: an empty grid); the table must outlive the
  // binding.
  void Bind(store::Table* sponsors);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;

 private:
  Dialogs& dialogs_;
  store::Table* table_ = nullptr;
  Sponsors sponsors_;
};

// The cell editor: at most 15 characters.
class SponsorNameDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace tavelao::business
