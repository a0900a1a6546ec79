#pragma once

#include <string>
#include <vector>

#include "table/item_table.h"

// The item table's rows to and from the clipboard and files, through the
// exchange's reading and checking: a paste or an import is checked whole by
// the import's rules, and applied only when no row is refused.

// The name pasted text goes by in messages.
inline constexpr std::string_view PastedTextName = "Pasted text";

// Tab-separated rows of `items`, as the cells show them, under a header
// row of the captions; what spreadsheets paste as they are.
std::string CopyRows(const ItemTable& table, const std::vector<int>& items);

// Tab-separated rows with a header row. A No. (or index) column decides the
// items; without one the rows go to `selected`, in order. As in an import,
// a Name column checks that each row is the item meant, and a Description
// column gives new descriptions. The problems, one sentence each; none when
// every row was applied.
std::vector<std::string> PasteRows(ItemTable& table, const std::string& text, const std::vector<int>& selected);

// A CSV or JSON file in the export's form, applied as edits.
std::vector<std::string> ImportFromFile(ItemTable& table, const std::string& path);

// Writes what the file holds now, in CSV, or in JSON when `path` ends in ".json".
// Throws a CliError when a file cannot be read or written.
void ExportToFile(const ItemTable& table, const std::string& path);
