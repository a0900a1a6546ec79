#include "table/table_transfer.h"

#include <algorithm>

#include "exchange/all_items.h"
#include "exchange/cli_error.h"
#include "exchange/csv.h"
#include "exchange/file_access.h"
#include "exchange/item_export.h"
#include "items/wording.h"
#include "table/pocket_cell.h"

namespace {

const std::string& PasteName() {
  static const std::string name(PastedTextName);
  return name;
}

// The pasted header in the export's column names; a column it does not know
// keeps its text, for the import to name.
std::vector<std::string> ImportHeader(const std::vector<std::string>& header) {
  std::vector<std::string> keys;
  for (const std::string& cell : header) {
    const std::optional<TableColumn> column = ColumnNamed(cell);
    keys.push_back(column ? std::string(ColumnKey(*column)) : cell);
  }
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
  header.reserve(TableColumns.size());
  for (const TableColumnInfo& info : TableColumns) header.emplace_back(info.caption);
  std::string text = CsvLine(header, '\t');
  for (int item : items) {
    std::vector<std::string> cells;
    cells.reserve(TableColumns.size());
    for (const TableColumnInfo& info : TableColumns) cells.push_back(table.Text(item, info.column));
    text += CsvLine(cells, '\t');
  }
  return text;
}

std::vector<std::string> PasteRows(ItemTable& table, const std::string& text, const std::vector<int>& selected) {
  try {
    std::vector<CsvRecord> records = ParseCsv(text, PasteName(), '\t');
    if (!records.empty()) {
      records.front().fields = ImportHeader(records.front().fields);
      ReadPockets(records);
      if (auto problem = AddIndexes(records, selected)) return {*problem};
    }
    // Copied rows come from this ROM, pointers included.
    return ApplyChecked(table, ParseImport(AsCsv(records), PasteName(), table.Names(), table.Spellings()), PasteName(),
                        {&table.RomEdition(), false});
  } catch (const CliError& error) {
    return {error.what()};
  }
}

std::vector<std::string> ImportFromFile(ItemTable& table, const std::string& path) {
  try {
    return ApplyChecked(table, ParseImport(ReadTextFile(path), path, table.Names(), table.Spellings()), path, {});
  } catch (const CliError& error) {
    return {error.what()};
  }
}

void ExportToFile(const ItemTable& table, const std::string& path) {
  const RomSession session(table.Path());
  const std::vector<ItemRow> rows = AllItemRows(session);
  const bool json = path.ends_with(".json") || path.ends_with(".JSON");
  WriteTextFile(path, json ? ExportJson(rows, session.RomEdition()) : ExportCsv(rows, session.RomEdition()));
}
