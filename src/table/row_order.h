#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "table/item_table.h"

// Which items a table window shows, and in what order: the front ends only
// draw the list this returns.

struct TableSort {
  TableColumn column;
  bool ascending = true;
};

// Whether a column sorts by ItemTable::SortValue (numbers and hex by value)
// rather than by its text.
bool SortsByValue(TableColumn column);

// Whether item `a` goes before item `b` when sorted up by `column`: numbers
// and hex by value, texts as names compare, without case or accents, and
// items that sort alike by their number. An order without ties is the same
// whatever order a window sorted before.
bool SortsBefore(const ItemTable& table, TableColumn column, int a, int b);

// The items whose name holds `filter` by the one name rule (every item when
// it is empty), in item order or sorted by `sort`.
std::vector<int> ShownItems(const ItemTable& table, std::string_view filter, std::optional<TableSort> sort);
