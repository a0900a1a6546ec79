#include "items/table_places.h"

#include <cstdio>
#include <optional>

namespace {

std::string OffsetText(int32_t offset) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%04X", static_cast<unsigned>(offset));
  return text;
}

void DescribeTable(std::vector<std::string>& lines, const std::string& table, std::optional<int32_t> found,
                   int32_t standard) {
  if (!found) {
    lines.push_back(table + " not found");
  } else if (*found != standard) {
    lines.push_back(table + " " + OffsetText(*found) + ", moved from " + OffsetText(standard));
  }
}

}  // namespace

std::vector<std::string> DescribeTablePlaces(const Edition& edition, const ItemTables& tables) {
  std::vector<std::string> lines;
  DescribeTable(lines, "Item table", tables.items, edition.itemTableBase);
  DescribeTable(lines, "Item-use pointer table", tables.pointers, edition.asmTableBase);
  return lines;
}
