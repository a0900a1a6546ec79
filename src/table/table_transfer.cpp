#include "table/table_transfer.h"

#include <algorithm>
#include <map>

#include "exchange/all_items.h"
#include "items/refusal.h"
#include "exchange/csv.h"
#include "exchange/file_access.h"
#include "exchange/item_export.h"
#include "items/edition_table.h"
#include "items/wording.h"
#include "table/named_cells.h"
#include "table/pocket_cell.h"

namespace {

const std::string& PasteName() {
  static const std::string name(PastedTextName);
  return name;
}

bool IsHeader(const CsvRecord& record) {
  return std::ranges::any_of(record.fields, [](const std::string& cell) { return HeaderKey(cell).has_value(); });
}

// The pasted header in the export's column names; a column it does not know
// keeps its text, for the import to name.
std::vector<std::string> ImportHeader(const std::vector<std::string>& header) {
  std::vector<std::string> keys;
  keys.reserve(header.size());
  for (const std::string& cell : header) keys.emplace_back(HeaderKey(cell).value_or(cell));
  return keys;
}

// The pocket list's "(05)" is the import's "5".
void ReadPockets(std::vector<CsvRecord>& records) {
  const auto& header = records.front().fields;
  const auto pocket = std::ranges::find(header, FieldKey(Field::Pocket));
  if (pocket == header.end()) return;
  const auto at = static_cast<size_t>(pocket - header.begin());
  for (auto record = records.begin() + 1; record != records.end(); ++record) {
    if (at >= record->fields.size()) continue;
    if (const auto value = PocketFromCell(record->fields[at])) record->fields[at] = std::to_string(*value);
  }
}

size_t ColumnAt(std::vector<std::string>& header, std::vector<CsvRecord>& records, std::string_view key) {
  const auto found = std::ranges::find(header, key);
  if (found != header.end()) return static_cast<size_t>(found - header.begin());
  header.emplace_back(key);
  for (auto record = records.begin() + 1; record != records.end(); ++record) record->fields.resize(header.size());
  return header.size() - 1;
}

// The item a pasted row names by number, when it names one.
std::optional<int> RowItem(const CsvRecord& record) {
  const std::string& number = record.fields.front();
  if (number.empty() || number.size() > 3 || !std::ranges::all_of(number, [](char c) { return c >= '0' && c <= '9'; })) {
    return std::nullopt;
  }
  const int item = std::stoi(number);
  return item >= 1 && item <= LastItem ? std::optional(item) : std::nullopt;
}

// The cells of the columns that name their values, read as a typed cell is
// read, into the byte columns the import takes: a menu's half joins the
// other half from its row's Type cell, or from the table.
std::vector<std::string> ReadNamedCells(std::vector<CsvRecord>& records, const ItemTable& table) {
  std::vector<std::string> problems;
  std::vector<std::string>& header = records.front().fields;
  for (const TableColumnInfo& info : TableColumns) {
    if (!info.named || std::ranges::find(header, ColumnKey(info.column)) == header.end()) continue;
    const Field field = *info.field;
    const size_t from = ColumnAt(header, records, ColumnKey(info.column));
    const size_t to = ColumnAt(header, records, FieldKey(field));
    for (auto record = records.begin() + 1; record != records.end(); ++record) {
      std::vector<std::string>& cells = record->fields;
      const std::optional<int> item = RowItem(*record);
      if (from >= cells.size() || cells[from].empty() || !item) continue;
      cells.resize(header.size());
      // A menu's half joins the byte its row gives; Effect and Use are their byte.
      const bool ownByte = from == to || cells[to].empty();
      const std::optional<uint16_t> given = ownByte ? table.Value(*item, field) : ParseField(field, cells[to]).value;
      const ParsedField read = ReadNamedCell(*info.named, cells[from], given.value_or(0), table.Routines());
      if (!read.value) {
        problems.push_back(Quoted(PasteName()) + " line " + std::to_string(record->line) + ", " +
                           std::string(info.caption) + ": " + read.problem);
        continue;
      }
      const std::string text = FieldText(field, *read.value);
      cells[from].clear();
      cells[to] = text;
    }
  }
  return problems;
}

// The import takes the byte columns; the menus' and the routine's cells are in them now.
void DropNamedColumns(std::vector<CsvRecord>& records) {
  std::vector<std::string>& header = records.front().fields;
  for (size_t at = header.size(); at-- > 0;) {
    if (!NamedColumnFromKey(header[at])) continue;
    for (CsvRecord& record : records) {
      if (at < record.fields.size()) record.fields.erase(record.fields.begin() + static_cast<std::ptrdiff_t>(at));
    }
  }
}

std::vector<int> SelectedItems(const PasteTarget& target) {
  std::vector<int> items;
  for (const TableCell& cell : target.selected) {
    if (std::ranges::find(items, cell.item) == items.end()) items.push_back(cell.item);
  }
  if (items.empty()) items.push_back(target.current.item);
  return items;
}

// Without an index column, one is put in front, from the selected rows.
std::optional<std::string> AddIndexes(std::vector<CsvRecord>& records, const std::vector<int>& selected) {
  if (std::ranges::find(records.front().fields, ColumnKey(TableColumn::Number)) != records.front().fields.end()) {
    return std::nullopt;
  }
  const size_t rows = records.size() - 1;
  if (rows > selected.size()) {
    return "The pasted text has " + Counted(rows, "row", "rows") + " and no No. column, but " +
           Counted(selected.size(), "row is", "rows are") +
           " selected: select as many rows, or paste with the No. column.";
  }
  records.front().fields.insert(records.front().fields.begin(), std::string(ColumnKey(TableColumn::Number)));
  for (size_t row = 1; row < records.size(); ++row) {
    records[row].fields.insert(records[row].fields.begin(), std::to_string(selected[row - 1]));
  }
  return std::nullopt;
}

// The cells of a paste without a header, by item and column.
using PlacedCells = std::map<int, std::map<TableColumn, std::string>>;

std::optional<std::string> PlaceBlock(const std::vector<CsvRecord>& records, const PasteTarget& target,
                                      PlacedCells& cells) {
  const auto firstRow = static_cast<size_t>(std::ranges::find(target.shown, target.current.item) - target.shown.begin());
  const auto firstColumn = static_cast<size_t>(target.current.column);
  const size_t rows = target.shown.size() - std::min(firstRow, target.shown.size());
  if (records.size() > rows) {
    return "The pasted text has " + Counted(records.size(), "row", "rows") + ", but the table shows " +
           Counted(rows, "row", "rows") + " from the current cell down: nothing was placed.";
  }
  for (size_t row = 0; row < records.size(); ++row) {
    const std::vector<std::string>& fields = records[row].fields;
    if (firstColumn + fields.size() > TableColumns.size()) {
      return "The pasted text has " + Counted(fields.size(), "column", "columns") + ", but the table has " +
             Counted(TableColumns.size() - firstColumn, "column", "columns") +
             " from the current cell across: nothing was placed.";
    }
    const int item = target.shown[firstRow + row];
    for (size_t column = 0; column < fields.size(); ++column) {
      cells[item][TableColumns[firstColumn + column].column] = fields[column];
    }
  }
  return std::nullopt;
}

void FillSelection(const std::string& value, const ItemTable& table, const PasteTarget& target, PlacedCells& cells) {
  std::vector<TableCell> selected = target.selected;
  if (selected.empty()) selected.push_back(target.current);
  for (const TableCell& cell : selected) {
    // A single value goes into the cells that take one; the No. column and a pointer that is none keep theirs.
    if (table.Editable(cell.item, cell.column)) cells[cell.item][cell.column] = value;
  }
}

// The placed cells as records under the export's column names, one row an
// item; a cell not placed is empty, which keeps its field.
std::optional<std::string> PlacedRecords(const PlacedCells& cells, std::vector<CsvRecord>& records) {
  std::vector<TableColumn> columns;
  for (const auto& [item, row] : cells) {
    for (const auto& [column, text] : row) {
      if (column == TableColumn::Number) {
        if (text != std::to_string(item)) {
          return "The No. column holds the items' numbers, which cannot be changed: " + QuotedText(text) +
                 " was pasted over item " + std::to_string(item) + ".";
        }
        continue;
      }
      if (std::ranges::find(columns, column) == columns.end()) columns.push_back(column);
    }
  }
  std::ranges::sort(columns);
  CsvRecord header{1, {std::string(ColumnKey(TableColumn::Number))}};
  for (TableColumn column : columns) header.fields.emplace_back(ColumnKey(column));
  records = {header};
  for (const auto& [item, row] : cells) {
    CsvRecord record{records.size() + 1, {std::to_string(item)}};
    for (TableColumn column : columns) {
      const auto cell = row.find(column);
      record.fields.push_back(cell == row.end() ? std::string() : cell->second);
    }
    records.push_back(std::move(record));
  }
  return std::nullopt;
}

std::optional<std::string> ByPosition(std::vector<CsvRecord>& records, const ItemTable& table,
                                      const PasteTarget& target) {
  PlacedCells cells;
  if (records.size() == 1 && records.front().fields.size() == 1) {
    FillSelection(records.front().fields.front(), table, target, cells);
  } else if (auto problem = PlaceBlock(records, target, cells)) {
    return problem;
  }
  return PlacedRecords(cells, records);
}

// The records as CSV on the lines they came from, so that the import's
// messages name the pasted lines.
std::string AsCsv(const std::vector<CsvRecord>& records) {
  std::string text;
  size_t line = 1;
  for (const CsvRecord& record : records) {
    for (; line < record.line; ++line) text += "\n";
    const std::string csv = CsvLine(record.fields);
    line += static_cast<size_t>(std::ranges::count(csv, '\n'));
    text += csv;
  }
  return text;
}

// Each name and description by the rules of one text, as a typed one is.
std::vector<std::string> TextProblems(const ItemTable& table, const ImportFile& file, const std::string& name) {
  std::vector<std::string> problems;
  const auto check = [&](const ImportRow& row, TableColumn column, const std::optional<std::string>& text) {
    if (!text) return;
    if (auto problem = table.TextRefusal(row.item, column, *text)) {
      problems.push_back(Quoted(name) + " " + row.where + ", " + std::string(ColumnKey(column)) + ": " + *problem);
    }
  };
  for (const ImportRow& row : file.rows) {
    check(row, TableColumn::Name, row.name);
    check(row, TableColumn::Description, row.description);
  }
  return problems;
}

std::vector<std::string> ApplyChecked(ItemTable& table, ImportFile file, const std::string& name,
                                      const EditionChoice& editions) {
  if (file.problems.empty()) {
    file.problems = MatchEditions(file, name, table.RomEdition(), editions, table.Names(), Front::Window);
  }
  if (file.problems.empty()) file.problems = TextProblems(table, file, name);
  if (file.problems.empty()) table.Apply(file);
  return file.problems;
}

}  // namespace

std::string CopyRows(const ItemTable& table, const std::vector<int>& items) {
  std::vector<std::string> header;
  header.reserve(TableColumns.size() + 1);
  for (const TableColumnInfo& info : TableColumns) header.emplace_back(info.caption);
  header.emplace_back(EditionCaption);
  std::string text = CsvLine(header, '\t');
  for (int item : items) {
    std::vector<std::string> cells;
    cells.reserve(TableColumns.size() + 1);
    for (const TableColumnInfo& info : TableColumns) cells.push_back(table.Text(item, info.column));
    cells.emplace_back(table.RomEdition().name);
    text += CsvLine(cells, '\t');
  }
  return text;
}

std::vector<std::string> PasteRows(ItemTable& table, const std::string& text, const PasteTarget& target) {
  try {
    std::vector<CsvRecord> records = ParseCsv(text, PasteName(), '\t');
    if (records.empty()) return {};
    const bool header = IsHeader(records.front());
    if (header) {
      records.front().fields = ImportHeader(records.front().fields);
      if (auto problem = AddIndexes(records, SelectedItems(target))) return {*problem};
    } else if (auto problem = ByPosition(records, table, target)) {
      return {*problem};
    }
    ReadPockets(records);
    if (std::vector<std::string> problems = ReadNamedCells(records, table); !problems.empty()) return problems;
    DropNamedColumns(records);
    // Cells placed by position are the cells' new values, a name's too.
    ImportFile file = ParseImport(AsCsv(records), PasteName(), table.Names(), table.Spellings(), !header);
    // Rows without a pointer fit any edition; rows that name none are this ROM's.
    for (ImportRow& row : file.rows) {
      if (!row.given[static_cast<size_t>(Field::Asm)]) row.edition = nullptr;
    }
    return ApplyChecked(table, std::move(file), PasteName(), {&table.RomEdition(), false});
  } catch (const Refused& refused) {
    return {refused.what()};
  }
}

std::vector<std::string> ImportFromFile(ItemTable& table, const std::string& path) {
  try {
    return ApplyChecked(table, ParseImport(ReadTextFile(path), path, table.Names(), table.Spellings()), path, {});
  } catch (const Refused& refused) {
    return {refused.what()};
  }
}

void ExportToFile(const ItemTable& table, const std::string& path) {
  const RomSession session(table.Path());
  const std::vector<ItemRow> rows = AllItemRows(session);
  const bool json = path.ends_with(".json") || path.ends_with(".JSON");
  WriteTextFile(path, json ? ExportJson(rows, session.RomEdition()) : ExportCsv(rows, session.RomEdition()));
}
