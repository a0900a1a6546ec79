#include "table/row_order.h"

#include <algorithm>
#include <string>

#include "items/item_name_match.h"

bool SortsByValue(TableColumn column) { return column != TableColumn::Name && column != TableColumn::Description; }

std::vector<int> ShownItems(const ItemTable& table, std::string_view filter, std::optional<TableSort> sort) {
  std::vector<int> items;
  if (filter.empty()) {
    for (int item = 1; item <= LastItem; ++item) items.push_back(item);
  } else {
    items = ItemsContaining(table.Names(), filter);
    std::erase_if(items, [](int item) { return item < 1 || item > LastItem; });
  }
  if (!sort) return items;
  const auto before = [&](int a, int b) {
    const bool reversed = !sort->ascending;
    if (SortsByValue(sort->column)) {
      const int x = table.SortValue(a, sort->column), y = table.SortValue(b, sort->column);
      return reversed ? y < x : x < y;
    }
    // Text sorts as names compare: without case or accents.
    const std::string x = FoldedName(table.Text(a, sort->column)), y = FoldedName(table.Text(b, sort->column));
    return reversed ? y < x : x < y;
  };
  std::ranges::stable_sort(items, before);
  return items;
}
