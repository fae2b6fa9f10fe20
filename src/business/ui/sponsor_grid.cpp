#include "business/ui/sponsor_grid.h"

#include <QLineEdit>

#include "app/ui/qt_text.h"

namespace tavelao::business {
namespace {

constexpr int kBalls = 100;
constexpr const char* kHeadings[4] = {"Pedra", "Nome - linha 1", "Nome - linha 2", "Nome - linha3"};

}  // namespace

SponsorGridModel::SponsorGridModel(Dialogs& dialogs, QObject* parent)
    : QAbstractTableModel(parent), dialogs_(dialogs) {}

void SponsorGridModel::Bind(store::Table* sponsors) {
  beginResetModel();
  table_ = sponsors;
  sponsors_ = Sponsors();
  if (table_) {
    auto loaded = Sponsors::Load(*table_);
    if (loaded) {
      sponsors_ = std::move(*loaded);
    } else {
      dialogs_.Inform(kBusinessTitle, loaded.error());
      table_ = nullptr;
    }
  }
  endResetModel();
}

int SponsorGridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() || !table_ ? 0 : kBalls; }

int SponsorGridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 4; }

QVariant SponsorGridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
  const int pedra = index.row();
  // Pedra 0 is ball 100, which the cards show as "00".
  if (index.column() == 0) return QStringLiteral("%1").arg(pedra, 2, 10, QLatin1Char('0'));
  return app::ToQString(sponsors_.OfPedra(pedra).lines[index.column() - 1]);
}

QVariant SponsorGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Horizontal && section >= 0 && section < 4) return QString::fromUtf8(kHeadings[section]);
  return {};
}

Qt::ItemFlags SponsorGridModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  const Qt::ItemFlags base = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  return index.column() == 0 ? base : base | Qt::ItemIsEditable;
}

bool SponsorGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!table_ || !index.isValid() || index.column() == 0 || role != Qt::EditRole) return false;
  const int pedra = index.row();
  const int line = index.column();
  const std::string text = store::CutToSize(app::ToUtf8(value.toString()), kNameLength);
  if (text == sponsors_.OfPedra(pedra).lines[line - 1]) return true;
  if (auto stored = StoreSponsorName(*table_, pedra, line, text); !stored) {
    dialogs_.Inform(kBusinessTitle, stored.error());
    return false;
  }
  auto reloaded = Sponsors::Load(*table_);
  if (reloaded) sponsors_ = std::move(*reloaded);
  emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
  return true;
}

QWidget* SponsorNameDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                           const QModelIndex& index) const {
  QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
  if (auto* line = qobject_cast<QLineEdit*>(editor)) line->setMaxLength(kNameLength);
  return editor;
}

}  // namespace tavelao::business
