#pragma once

#include <optional>
#include <string>

#include "table/item_table.h"
#include "table/table_transfer.h"

// The item table's commands, the same in every front end: each runs the
// core and says what to show. A window gathers the command's input, calls
// it, puts `status` in its status line (every command replaces it) and
// shows `message`, when there is one, in a message box.
struct CommandOutcome {
  bool done = true;  // false when the command was refused and nothing changed
  std::string status;
  std::optional<std::string> message;
};

CommandOutcome SaveCommand(ItemTable& table);
// Reads the file again and drops the edits: ask first (RevertQuestion) when there are any.
CommandOutcome RevertCommand(ItemTable& table);
// Drops the edits without reading the file.
CommandOutcome DiscardCommand(ItemTable& table);
// Shows the file as another window of the program just saved it.
CommandOutcome RereadCommand(ItemTable& table);
CommandOutcome PasteCommand(ItemTable& table, const std::string& text, const PasteTarget& target);
CommandOutcome ImportCommand(ItemTable& table, const std::string& path);
CommandOutcome ExportCommand(const ItemTable& table, const std::string& path);
// Names the routines from the symbol file at `path`; says why not when it is not used.
CommandOutcome SymbolsCommand(ItemTable& table, const std::string& path);
CommandOutcome UndoCommand(ItemTable& table);
CommandOutcome RedoCommand(ItemTable& table);
