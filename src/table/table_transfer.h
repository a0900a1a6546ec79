#pragma once

#include <string>
#include <vector>

#include "table/item_table.h"

// The item table's rows to and from the clipboard and files, through the
// exchange's reading and checking: a paste or an import is checked whole by
// the import's rules, and applied only when no cell is refused, as one step
// of the table's history.

// The name pasted text goes by in messages.
inline constexpr std::string_view PastedTextName = "Pasted text";

struct TableCell {
  int item = 0;
  TableColumn column = TableColumn::Number;
  friend bool operator==(const TableCell&, const TableCell&) = default;
};

// Where a paste goes, as the window shows the table.
struct PasteTarget {
  std::vector<int> shown;  // the items of the rows shown, in their order
  TableCell current;
  std::vector<TableCell> selected;  // the selected cells, in the order shown
};

// Tab-separated rows of `items`, as the cells show them, under a header
// row of the captions, with the ROM's edition last, so that a paste into
// another edition's table knows the pointers are not its own.
std::string CopyRows(const ItemTable& table, const std::vector<int>& items);

// Tab-separated rows, as spreadsheets paste them. With a header row, the
// header decides the columns, and a No. (or index) column the items;
// without one the rows go to the selected items, in order. Without a header
// row, the cells go by position: the first to the current cell, the rows
// down and the columns across from it, and one single value fills every
// selected cell. Rows of another edition keep their pointers only with
// that edition's ROM; rows that name none are this ROM's. The problems, one
// sentence each; none when every cell was applied.
std::vector<std::string> PasteRows(ItemTable& table, const std::string& text, const PasteTarget& target);

// A CSV or JSON file in the export's form, applied as edits.
std::vector<std::string> ImportFromFile(ItemTable& table, const std::string& path);

// Writes what the file holds now, in CSV, or in JSON when `path` ends in ".json".
// Throws a Refused when a file cannot be read or written.
void ExportToFile(const ItemTable& table, const std::string& path);
