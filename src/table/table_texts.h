#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "table/item_table.h"

// What the table windows say and ask, the same in every front end.

inline constexpr std::string_view TableSaved = "Saved.";
inline constexpr std::string_view NothingToSave = "Nothing to save: no cell was changed.";
inline constexpr std::string_view TableReverted = "Read the file again; the changes were dropped.";
inline constexpr std::string_view EditsDropped = "The changes were dropped.";
inline constexpr std::string_view NothingReverted = "The file was not read again; the changes are kept.";
inline constexpr std::string_view TablePasted = "Pasted.";
inline constexpr std::string_view NothingPasted = "Nothing was pasted.";
inline constexpr std::string_view TableImported = "Imported; choose Save to write the changes.";
inline constexpr std::string_view NothingImported = "Nothing was imported.";
inline constexpr std::string_view NothingExported = "Nothing was exported.";
inline constexpr std::string_view TableUndone = "Undone.";
inline constexpr std::string_view NothingToUndo = "Nothing to undo.";
inline constexpr std::string_view TableRedone = "Redone.";
inline constexpr std::string_view NothingToRedo = "Nothing to redo.";
inline constexpr std::string_view NoSymbols = "The routine names are as they were.";

// The file dialogs of Import and Export.
inline constexpr std::string_view ImportDialogTitle = "Import items";
inline constexpr std::string_view ImportDialogFilter =
    "CSV or JSON files (*.csv;*.json)|*.csv;*.json|All Files (*.*)|*.*";
inline constexpr std::string_view ExportDialogTitle = "Export items";
inline constexpr std::string_view ExportDialogFileName = "items.csv";
inline constexpr std::string_view ExportDialogFilter = "CSV files (*.csv)|*.csv|JSON files (*.json)|*.json";
// The file dialog of Symbols: the symbol file that a hack's build writes beside it.
inline constexpr std::string_view SymbolsDialogTitle = "Choose the ROM's symbol file";
inline constexpr std::string_view SymbolsDialogFilter = "Symbol files (*.sym)|*.sym|All Files (*.*)|*.*";

// "Item Table - gold.gbc": the window's title, without the unsaved mark.
std::string TableTitle(const ItemTable& table);
// The question asked before pending edits would be lost: Save, Discard or Cancel.
std::string UnsavedEditsQuestion(const ItemTable& table);
// Asked before Revert drops pending edits.
std::string RevertQuestion(const ItemTable& table);
// What an Export says it wrote: the file as it is, without what is pending.
std::string ExportedMessage(const ItemTable& table);
// The problems of a paste or an import, one a line, then what was not done.
std::string ProblemsMessage(const std::vector<std::string>& problems, std::string_view whatNot);
