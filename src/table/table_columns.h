#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "exchange/item_values.h"
#include "exchange/named_columns.h"

// The item table's columns, in the order shown. The captions are the main
// window's, and the header row of a copy; a pasted header may also use the
// export's column names.
enum class TableColumn {
  Number,
  Name,
  Price,
  Effect,
  Variable,
  Pocket,
  Use,
  FieldMenu,
  BattleMenu,
  Routine,
  Description
};

struct TableColumnInfo {
  TableColumn column;
  std::string_view caption;
  std::optional<Field> field;  // empty for the columns that hold no byte field
  // The columns that show their values by the disassemblies' names, unless
  // the table shows bytes; the two menu columns each show half of one byte.
  std::optional<NamedColumn> named;
  // Wide enough for the longest text the column holds, in digits of the
  // window's font; never narrower than the caption.
  int characters;
  bool alignsRight;  // numbers stand right, as in a spreadsheet
};

inline constexpr std::array<TableColumnInfo, 11> TableColumns{{
    {TableColumn::Number, "No.", std::nullopt, std::nullopt, 4, true},
    {TableColumn::Name, "Name", std::nullopt, std::nullopt, 14, false},
    {TableColumn::Price, "Price", Field::Price, std::nullopt, 7, true},
    {TableColumn::Effect, "Effect", Field::Effect, NamedColumn::HeldEffect, 14, false},
    {TableColumn::Variable, "Var.", Field::Variable, std::nullopt, 6, false},
    {TableColumn::Pocket, "Pocket", Field::Pocket, std::nullopt, 8, false},
    {TableColumn::Use, "Use", Field::Options, NamedColumn::Property, 22, false},
    {TableColumn::FieldMenu, "Field Menu", Field::How, NamedColumn::FieldMenu, 11, false},
    {TableColumn::BattleMenu, "Battle Menu", Field::How, NamedColumn::BattleMenu, 11, false},
    {TableColumn::Routine, "Routine", Field::Asm, NamedColumn::Routine, 20, false},
    {TableColumn::Description, "Description", std::nullopt, std::nullopt, 30, false},
}};

const TableColumnInfo& ColumnInfo(TableColumn column);
// The item's name and description, which the texts' rules and rooms govern.
constexpr bool IsTextColumn(TableColumn column) {
  return column == TableColumn::Name || column == TableColumn::Description;
}
// A description in a cell of one line: its line break shows as " ↵ ".
std::string OneLine(std::string_view text);
// The export's name of the column: "index", "name", "price", ...
std::string_view ColumnKey(TableColumn column);
// The column a header cell names, by caption or export name, in any case.
std::optional<TableColumn> ColumnNamed(std::string_view header);
// The export's name of the column a header cell names, the edition's
// included, and the byte columns of copies made before the menus and the
// routine had columns of their own ("Type", "ASM Pointer"); nothing for a
// cell that names none.
std::optional<std::string_view> HeaderKey(std::string_view header);
// The caption of the column that names the edition of copied rows.
inline constexpr std::string_view EditionCaption = "Edition";
// The most characters the main window's field takes; 0 for a pocket.
int MaxChars(Field field);
