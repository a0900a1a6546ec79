#pragma once

#include <optional>
#include <string>
#include <vector>

#include "exchange/item_values.h"
#include "items/edition_table.h"

// The export of all items, in a form that stays the same from run to run so
// that two exports compare line by line: one item per line, columns in the
// same order, in CSV or as a JSON array.

struct ItemRow {
  int item = 0;
  std::string name;  // as the ROM names it
  // Its description is none above item 190 or where it cannot be read.
  ItemRecord record;
};

// index,name,price,effect,variable,options,pocket,how,asm,edition,description;
// every row names the edition it was read from, as pointers hold only
// there. A description's cell is quoted and holds its line break.
std::string ExportCsv(const std::vector<ItemRow>& rows, const Edition& edition);
// Price and pocket as numbers, the others as strings, asm null above 179,
// description null where there is none.
std::string ExportJson(const std::vector<ItemRow>& rows, const Edition& edition);
