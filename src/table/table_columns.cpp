#include "table/table_columns.h"

#include <algorithm>
#include <cassert>

#include "items/item_fields.h"
#include "items/same_ignoring_case.h"

const TableColumnInfo& ColumnInfo(TableColumn column) {
  const TableColumnInfo& info = TableColumns[static_cast<size_t>(column)];
  assert(info.column == column);
  return info;
}

std::string OneLine(std::string_view text) {
  std::string line;
  for (char character : text) line += character == '\n' ? std::string(" \u21B5 ") : std::string(1, character);
  return line;
}

std::string_view ColumnKey(TableColumn column) {
  switch (column) {
    case TableColumn::Number:
      return "index";
    case TableColumn::Name:
      return "name";
    case TableColumn::Description:
      return "description";
    case TableColumn::FieldMenu:
    case TableColumn::BattleMenu:
    case TableColumn::Routine:
      return NamedColumnKey(*ColumnInfo(column).named);
    default:
      return FieldKey(*ColumnInfo(column).field);
  }
}

std::optional<TableColumn> ColumnNamed(std::string_view header) {
  for (const TableColumnInfo& info : TableColumns) {
    if (SameIgnoringCase(header, info.caption) || SameIgnoringCase(header, ColumnKey(info.column))) {
      return info.column;
    }
  }
  return std::nullopt;
}

std::optional<std::string_view> HeaderKey(std::string_view header) {
  if (const std::optional<TableColumn> column = ColumnNamed(header)) return ColumnKey(*column);
  if (SameIgnoringCase(header, EditionKey)) return EditionKey;
  for (const auto& [caption, field] : {std::pair{FieldCaption::How, Field::How}, std::pair{FieldCaption::ASM, Field::Asm}}) {
    if (SameIgnoringCase(header, caption) || SameIgnoringCase(header, FieldKey(field))) return FieldKey(field);
  }
  return std::nullopt;
}

int MaxChars(Field field) {
  switch (field) {
    case Field::Price:
      return PriceMaxChars;
    case Field::Asm:
      return AsmMaxChars;
    case Field::Pocket:
      return 0;
    default:
      return ByteMaxChars;
  }
}
