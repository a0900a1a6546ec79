#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "forms/form_description.h"
#include "items/description_texts.h"
#include "table/item_table.h"

// The item table's window as data, as the main window's design is: the Qt
// and the Win32 windows build their menus, sizes and texts from it and run
// its entries through table_commands.h. The columns are in table_columns.h.

// The window's size at first, in pixels at 96 dots per inch.
inline constexpr int TableWindowWidth = 900;
inline constexpr int TableWindowHeight = 600;

// The box above the table that shows only the items whose name holds its text.
inline constexpr std::string_view FilterCaption = "Filter:";
inline constexpr std::string_view FilterHint = "Name";

// A description's editor shows all its lines at once.
inline constexpr int DescriptionEditorLines = DescriptionLines;

// File, Edit and View. Each entry's name is what the window runs when it is chosen.
std::span<const MenuDescription> TableMenus();

// Whether `entry` can be chosen now: Undo and Redo only when there is a step to take.
bool EntryEnabled(const ItemTable& table, std::string_view entry);
// Whether an entry that is turned on and off is on now: Show Bytes; nothing
// for the other entries.
std::optional<bool> EntryChecked(const ItemTable& table, std::string_view entry);

// The folder that File > Symbols… starts in: the ROM's, where a build
// writes the symbol file beside it.
std::string SymbolsDialogFolder(const ItemTable& table);

// What to ask before an entry runs: Close (and anything else that lets the
// table go) asks whether to save pending edits first; Revert asks whether
// to drop them. Save is offered only where it lets the entry go on.
struct TableQuestion {
  std::string text;
  bool offerSave = false;
};
std::optional<TableQuestion> QuestionBefore(const ItemTable& table, std::string_view entry);
