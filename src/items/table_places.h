#pragma once

#include <string>
#include <vector>

#include "items/edition_table.h"
#include "items/item_table_finder.h"

// What a user is told about a ROM whose tables are not where the clean game
// has them: for each table found elsewhere or not found, its name and where
// it is ("Item table", "0x68A5, moved from 0x68A0"). Nothing for a ROM laid
// out as the clean game is.
struct TablePlace {
  std::string table, place;

  // "Item table 0x68A5, moved from 0x68A0"
  std::string Text() const { return table + " " + place; }
  bool operator==(const TablePlace&) const = default;
};
std::vector<TablePlace> DescribeTablePlaces(const Edition& edition, const ItemTables& tables);
