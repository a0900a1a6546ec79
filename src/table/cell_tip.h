#pragma once

#include <string>

#include "table/item_table.h"

// A cell's tooltip, as the main window's fields explain themselves: why a
// refused text was refused; what a value means to the games, with the
// disassemblies' name and the byte; a description's lines; empty for the
// other cells.
std::string CellTip(const ItemTable& table, int item, TableColumn column);
