#pragma once

#include <QSortFilterProxyModel>
#include <vector>

// Sorts the item table by the core's order (table/row_order.h) when a
// header is clicked, not at every edit, so that an edited row stays where
// it is; shows only the items whose name holds the filter text, by the rule
// of items/item_name_match.h.
class ItemTableProxy : public QSortFilterProxyModel {
  Q_OBJECT

 public:
  explicit ItemTableProxy(QObject* parent = nullptr);

  void setNameFilter(const QString& text);
  // The items of the proxy's rows, in the order shown.
  std::vector<int> itemsOfRows(const std::vector<int>& rows) const;

 protected:
  bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
  bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

 private:
  std::vector<bool> shown_;  // by item number; empty: every item
};
