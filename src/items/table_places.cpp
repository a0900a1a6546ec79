#include "items/table_places.h"

#include <cstdio>
#include <optional>

namespace {

std::string OffsetText(int32_t offset) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%04X", static_cast<unsigned>(offset));
  return text;
}

void DescribeTable(std::vector<TablePlace>& places, const std::string& table, std::optional<int32_t> found,
                   TableMiss miss, int32_t standard) {
  if (!found) {
    places.push_back({table, miss == TableMiss::CodeRepeated ? "not found: the code that reads it occurs more than once"
                                                             : "not found"});
  } else if (*found != standard) {
    places.push_back({table, OffsetText(*found) + ", moved from " + OffsetText(standard)});
  }
}

}  // namespace

std::vector<TablePlace> DescribeTablePlaces(const Edition& edition, const ItemTables& tables) {
  std::vector<TablePlace> places;
  DescribeTable(places, "Item table", tables.items, tables.itemsMiss, edition.itemTableBase);
  DescribeTable(places, "ASM pointer table", tables.pointers, tables.pointersMiss, edition.asmTableBase);
  return places;
}
