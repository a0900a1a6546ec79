#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "exchange/item_values.h"

// The item table's columns, in the order shown. The captions are the main
// window's, and the header row of a copy; a pasted header may also use the
// export's column names.
enum class TableColumn { Number, Name, Price, Effect, Variable, Pocket, Use, Type, Asm, Description };

struct TableColumnInfo {
  TableColumn column;
  std::string_view caption;
  std::optional<Field> field;  // empty for the columns that hold no byte field
};

inline constexpr std::array<TableColumnInfo, 10> TableColumns{{
    {TableColumn::Number, "No.", std::nullopt},
    {TableColumn::Name, "Name", std::nullopt},
    {TableColumn::Price, "Price", Field::Price},
    {TableColumn::Effect, "Effect", Field::Effect},
    {TableColumn::Variable, "Var.", Field::Variable},
    {TableColumn::Pocket, "Pocket", Field::Pocket},
    {TableColumn::Use, "Use", Field::Options},
    {TableColumn::Type, "Type", Field::How},
    {TableColumn::Asm, "ASM Pointer", Field::Asm},
    {TableColumn::Description, "Description", std::nullopt},
}};

const TableColumnInfo& ColumnInfo(TableColumn column);
// The column that shows `field`.
TableColumn ColumnOf(Field field);
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
// included; nothing for a cell that names none.
std::optional<std::string_view> HeaderKey(std::string_view header);
// The caption of the column that names the edition of copied rows.
inline constexpr std::string_view EditionCaption = "Edition";
// The most characters the main window's field takes; 0 for a pocket.
int MaxChars(Field field);
