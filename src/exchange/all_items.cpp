#include "exchange/all_items.h"

#include "exchange/named_columns.h"
#include "items/edition_table.h"

std::vector<ItemRow> AllItemRows(const RomSession& session) {
  std::vector<ItemRow> rows;
  for (int item = 1; item <= LastItem; ++item) {
    ItemRecord record = session.Load(item);
    std::vector<std::string> names = NamedCells(record, session.Routines());
    rows.push_back({item, std::string(session.Names()[static_cast<size_t>(item)]), std::move(record), std::move(names)});
  }
  return rows;
}
