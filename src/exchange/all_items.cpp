#include "exchange/all_items.h"

#include "items/edition_table.h"

std::vector<ItemRow> AllItemRows(const RomSession& session) {
  std::vector<ItemRow> rows;
  for (int item = 1; item <= LastItem; ++item) {
    rows.push_back({item, std::string(session.Names()[static_cast<size_t>(item)]), session.Load(item)});
  }
  return rows;
}
