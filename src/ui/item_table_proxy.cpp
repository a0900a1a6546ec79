#include "ui/item_table_proxy.h"

#include "items/item_name_match.h"
#include "table/row_order.h"
#include "ui/item_table_model.h"
#include "ui/qt_text.h"

ItemTableProxy::ItemTableProxy(QObject* parent) : QSortFilterProxyModel(parent) { setDynamicSortFilter(false); }

void ItemTableProxy::setNameFilter(const QString& text) {
  shown_.clear();
  if (!text.isEmpty()) {
    const auto* model = static_cast<const ItemTableModel*>(sourceModel());
    shown_.assign(model->table().Names().size(), false);
    for (int item : ItemsContaining(model->table().Names(), ToUtf8(text))) shown_[static_cast<size_t>(item)] = true;
  }
  invalidateRowsFilter();
}

std::vector<int> ItemTableProxy::itemsOfRows(const std::vector<int>& rows) const {
  std::vector<int> items;
  items.reserve(rows.size());
  for (int row : rows) items.push_back(ItemTableModel::itemAt(mapToSource(index(row, 0)).row()));
  return items;
}

bool ItemTableProxy::filterAcceptsRow(int sourceRow, const QModelIndex& /*sourceParent*/) const {
  return shown_.empty() || shown_[static_cast<size_t>(ItemTableModel::itemAt(sourceRow))];
}

bool ItemTableProxy::lessThan(const QModelIndex& left, const QModelIndex& right) const {
  const auto* model = static_cast<const ItemTableModel*>(sourceModel());
  return SortsBefore(model->table(), ItemTableModel::columnAt(left.column()), ItemTableModel::itemAt(left.row()),
                     ItemTableModel::itemAt(right.row()));
}
