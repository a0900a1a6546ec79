#pragma once

#include <string>
#include <vector>

#include "items/edition_table.h"
#include "items/item_table_finder.h"

// What a user is told about a ROM whose tables are not where the clean game
// has them: a line for each table found elsewhere ("Item table 0x68A5,
// moved from 0x68A0") or not found. Nothing for a ROM laid out as the clean
// game is.
std::vector<std::string> DescribeTablePlaces(const Edition& edition, const ItemTables& tables);
