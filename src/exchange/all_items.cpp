#include "exchange/all_items.h"

#include "exchange/named_columns.h"
#include "items/edition_table.h"

std::vector<ItemRow> AllItemRows(const RomSession& session) {
  std::vector<ItemRow> rows;
  for (int item = 1; item <= LastItem; ++item) {
    ItemValues values = session.LoadValues(item);
    std::vector<std::string> names = NamedCells(item, values, session.Routines());
    rows.push_back({item, std::string(session.Names()[static_cast<size_t>(item)]), std::move(values),
                    session.Description(item), std::move(names)});
  }
  return rows;
}
