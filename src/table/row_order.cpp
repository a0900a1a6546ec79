#include "table/row_order.h"

#include <algorithm>
#include <string>

#include "items/item_name_match.h"

bool SortsByValue(TableColumn column) { return column != TableColumn::Name && column != TableColumn::Description; }

bool SortsBefore(const ItemTable& table, TableColumn column, int a, int b) {
  if (SortsByValue(column)) return std::pair(table.SortValue(a, column), a) < std::pair(table.SortValue(b, column), b);
  return std::pair(FoldedName(table.Text(a, column)), a) < std::pair(FoldedName(table.Text(b, column)), b);
}

std::vector<int> ShownItems(const ItemTable& table, std::string_view filter, std::optional<TableSort> sort) {
  std::vector<int> items;
  if (filter.empty()) {
    for (int item = 1; item <= LastItem; ++item) items.push_back(item);
  } else {
    items = ItemsContaining(table.Names(), filter);
    std::erase_if(items, [](int item) { return item < 1 || item > LastItem; });
  }
  if (!sort) return items;
  std::ranges::sort(items, [&](int a, int b) {
    return sort->ascending ? SortsBefore(table, sort->column, a, b) : SortsBefore(table, sort->column, b, a);
  });
  return items;
}
