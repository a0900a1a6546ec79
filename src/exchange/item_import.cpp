#include "exchange/item_import.h"

#include <algorithm>
#include <functional>
#include <map>
#include <nlohmann/json.hpp>
#include <set>

#include "exchange/csv.h"
#include "exchange/file_access.h"
#include "exchange/item_argument.h"
#include "exchange/rom_session.h"
#include "items/edition_table.h"
#include "items/image_edition.h"
#include "items/item_encoding.h"
#include "items/item_name_match.h"
#include "items/refusal.h"
#include "items/wording.h"

namespace {

// The columns an import file may name: the index, the name or a field.
enum class Column { Index, Name, Value, Edition, Description, Named };
struct ColumnKey {
  Column kind;
  Field field = Field::Price;
  NamedColumn named = NamedColumn::HeldEffect;
};

std::optional<ColumnKey> ColumnFromKey(std::string_view key) {
  if (key == "index") return ColumnKey{Column::Index};
  if (key == "name") return ColumnKey{Column::Name};
  if (key == EditionKey) return ColumnKey{Column::Edition};
  if (key == DescriptionKey) return ColumnKey{Column::Description};
  if (const auto field = FieldFromKey(key)) return ColumnKey{Column::Value, *field};
  if (const auto named = NamedColumnFromKey(key)) return ColumnKey{Column::Named, Field::Price, *named};
  return std::nullopt;
}

// Gathers the rows and every problem found, so that one run reports them all.
class RowCollector {
 public:
  RowCollector(const std::string& fileName, ItemNameViews names, ItemNameViews spellings, bool rename)
      : fileName_(fileName), names_(names), matcher_(names, spellings), rename_(rename) {}

  void Problem(const std::string& where, const std::string& what) {
    file_.problems.push_back(Quoted(fileName_) + (where.empty() ? "" : " " + where) + ": " + what);
  }

  // Starts a row from its index text; false when the row cannot be used.
  bool Start(const std::string& where, const std::string& indexText) {
    const auto item = ParseDecimal(indexText, 1, LastItem);
    if (!item) {
      Problem(where, "index " + QuotedText(indexText) + " is not an item number from 1 to 255.");
      return false;
    }
    if (!seen_.insert(*item).second) {
      Problem(where, DescribeItem(*item, names_) + " is given a second time.");
      return false;
    }
    file_.rows.push_back({where, *item, {}, {}, nullptr, {}, {}});
    return true;
  }

  void Cell(const ColumnKey& key, const std::string& text) {
    ImportRow& row = file_.rows.back();
    const Column column = key.kind;
    const Field field = key.field;
    if (column == Column::Named && !text.empty()) row.names[static_cast<size_t>(key.named)] = text;
    if (column == Column::Name) return CheckName(row, text);
    if (column == Column::Edition) return ReadEdition(row, text);
    if (column == Column::Description) return ReadDescription(row, text);
    // An empty cell keeps the field, as a missing column does.
    if (column != Column::Value || text.empty()) return;
    if (field == Field::Asm && !HasAsmEntry(row.item)) return CheckNoPointer(row, text);
    const std::string where = row.where + ", " + std::string(FieldKey(field));
    if (field == Field::Pocket) {
      const auto pocket = ParsePocket(text);
      if (!pocket) return Problem(where, "there is no pocket " + QuotedText(text) + "; give " + PocketChoices() + ".");
      row.given[static_cast<size_t>(field)] = static_cast<uint16_t>(*pocket);
      return;
    }
    const ParsedField& parsed = CheckedField(field, text);
    if (!parsed.value) return Problem(where, parsed.problem);
    row.given[static_cast<size_t>(field)] = parsed.value;
  }

  bool HasProblems() const { return !file_.problems.empty(); }
  ImportFile Take() { return std::move(file_); }

 private:
  void CheckName(ImportRow& row, const std::string& name) {
    if (name.empty()) return;
    // Its bytes would not show as the user typed them.
    if (!IsUtf8(name)) return Problem(row.where + ", name", "the name is not UTF-8 text. " + SaveAsUtf8);
    if (rename_) {
      if (name != names_[static_cast<size_t>(row.item)]) row.name = name;
      return;
    }
    if (!matcher_.NamesItem(name, row.item)) {
      Problem(row.where, "name " + QuotedText(name) + " is not the name of " + DescribeItem(row.item, names_) + ".");
    }
  }
  // An empty cell keeps the description, as a missing column does.
  void ReadDescription(ImportRow& row, const std::string& text) {
    if (text.empty()) return;
    if (!IsUtf8(text)) return Problem(row.where + ", description", "the text is not UTF-8. " + SaveAsUtf8);
    row.description = DescriptionText(text);
  }
  void ReadEdition(ImportRow& row, const std::string& name) {
    if (name.empty()) return;
    row.edition = EditionNamed(name);
    if (!row.edition)
      Problem(row.where + ", edition", "there is no edition " + QuotedText(name) + "; give " + EditionChoices() + ".");
  }
  // Most items share their byte values, so each text of a column is read
  // once; a pointer only for items that have one.
  const ParsedField& CheckedField(Field field, const std::string& text) {
    auto [at, added] = checked_.try_emplace({field, text});
    if (added) at->second = ParseField(field, text);
    return at->second;
  }
  void CheckNoPointer(const ImportRow& row, const std::string& text) {
    if (!text.empty()) Problem(row.where + ", asm", DescribeItem(row.item, names_) + " has no ASM pointer; leave it empty.");
  }

  const std::string& fileName_;
  ItemNameViews names_;
  ItemNameMatcher matcher_;
  bool rename_;
  std::map<std::pair<Field, std::string>, ParsedField> checked_;
  ImportFile file_;
  std::set<int> seen_;
};

ImportFile ParseCsvImport(const std::string& text, const std::string& fileName, RowCollector& rows) {
  const std::vector<CsvRecord> records = ParseCsv(text, fileName);
  if (records.empty()) {
    rows.Problem("", "the file is empty; it needs a header row that names the columns, such as \"index,price\".");
    return rows.Take();
  }

  const CsvRecord& header = records.front();
  const std::string headerWhere = "line " + std::to_string(header.line);
  std::vector<ColumnKey> columns;
  std::set<std::string> keys;
  for (const std::string& name : header.fields) {
    const auto column = ColumnFromKey(name);
    if (!column) rows.Problem(headerWhere, "there is no column " + QuotedText(name) + ".");
    if (!keys.insert(name).second) rows.Problem(headerWhere, "the column " + QuotedText(name) + " stands twice.");
    if (column) columns.push_back(*column);
  }
  if (!keys.count("index")) rows.Problem(headerWhere, "the header has no \"index\" column.");
  if (rows.HasProblems()) return rows.Take();

  const auto indexColumn =
      std::distance(header.fields.begin(), std::find(header.fields.begin(), header.fields.end(), "index"));
  for (auto record = records.begin() + 1; record != records.end(); ++record) {
    const std::string where = "line " + std::to_string(record->line);
    if (record->fields.size() != columns.size()) {
      rows.Problem(where, std::to_string(record->fields.size()) + " fields where the header has " +
                              std::to_string(columns.size()) + ".");
      continue;
    }
    if (!rows.Start(where, record->fields[static_cast<size_t>(indexColumn)])) continue;
    for (size_t i = 0; i < columns.size(); ++i) rows.Cell(columns[i], record->fields[i]);
  }
  return rows.Take();
}

// A JSON value as the text a CSV cell would hold, or nothing when its type
// does not fit the column.
std::optional<std::string> JsonText(const nlohmann::json& value, bool numberAllowed) {
  if (value.is_string()) return value.get<std::string>();
  if (numberAllowed && value.is_number_integer()) return value.dump();
  return std::nullopt;
}

void ReadJsonEntry(RowCollector& rows, const nlohmann::json& entry, const std::string& where) {
  if (!entry.is_object()) return rows.Problem(where, "an entry must be an object.");
  const auto index = entry.find("index");
  if (index == entry.end() || !index->is_number_unsigned()) {
    return rows.Problem(where, "\"index\" must be an item number from 1 to 255.");
  }
  if (!rows.Start(where, index->dump())) return;
  for (const auto& [key, value] : entry.items()) {
    const auto column = ColumnFromKey(key);
    if (!column) {
      rows.Problem(where, "there is no key " + QuotedText(key) + ".");
      continue;
    }
    // A null pointer is how the export writes "no entry"; elsewhere it means "not given".
    if (column->kind == Column::Index || value.is_null()) continue;
    const bool numeric =
        column->kind == Column::Value && (column->field == Field::Price || column->field == Field::Pocket);
    const auto text = JsonText(value, numeric);
    if (!text) {
      rows.Problem(where, QuotedText(key) + " must be " + (numeric ? "a whole number or a string." : "a string."));
      continue;
    }
    rows.Cell(*column, *text);
  }
}

// Watches the parser for a key that stands twice in one object, which the
// parser itself would let the last one win.
class DuplicateKeyFinder {
 public:
  bool operator()(int /*depth*/, nlohmann::json::parse_event_t event, const nlohmann::json& parsed) {
    using Event = nlohmann::json::parse_event_t;
    if (event == Event::object_start) {
      if (keys_.empty()) ++entry_;
      keys_.emplace_back();
    } else if (event == Event::object_end) {
      keys_.pop_back();
    } else if (event == Event::key && !keys_.back().insert(parsed.get<std::string>()).second && !duplicate_) {
      duplicate_ = "the key " + QuotedText(parsed.get<std::string>()) + " stands twice in one object.";
      where_ = entry_ > 0 ? "entry " + std::to_string(entry_) : "";
    }
    return true;
  }

  void Report(RowCollector& rows) const {
    if (duplicate_) rows.Problem(where_, *duplicate_);
  }

 private:
  std::vector<std::set<std::string>> keys_;
  size_t entry_ = 0;
  std::optional<std::string> duplicate_;
  std::string where_;
};

ImportFile ParseJsonImport(const std::string& text, const std::string& fileName, RowCollector& rows) {
  nlohmann::json document;
  DuplicateKeyFinder duplicates;
  try {
    document = nlohmann::json::parse(text, std::ref(duplicates));
  } catch (const nlohmann::json::parse_error& error) {
    if (!IsUtf8(text)) throw Refused(EditorProblem::NotUtf8, FileDetails(fileName));
    ProblemDetails details = FileDetails(fileName);
    details.byte = error.byte;
    throw Refused(EditorProblem::BadJson, details);
  } catch (const nlohmann::json::out_of_range&) {
    throw Refused(EditorProblem::NumberTooLarge, FileDetails(fileName));
  }
  duplicates.Report(rows);
  if (rows.HasProblems()) return rows.Take();
  if (!document.is_array() || document.empty()) {
    rows.Problem("", "the file must hold an array of items, at least one.");
    return rows.Take();
  }
  for (size_t i = 0; i < document.size(); ++i) ReadJsonEntry(rows, document[i], "entry " + std::to_string(i + 1));
  return rows.Take();
}

// One sentence for the whole file: a cut-off edition column leaves every
// row without one.
std::string UnnamedEditionProblem(const std::string& fileName, const std::vector<std::string>& where, Front front) {
  const std::string rows = Counted(where.size(), "row gives", "rows give");
  const std::string remedy =
      front == Front::Window ? "Add an \"edition\" column that names the edition the file was exported from (" +
                                   EditionChoices() + "), or empty the rows' ASM pointers to import their other fields."
                             : "Give --edition with the edition the file was exported from (" + EditionChoices() +
                                   "), or --across-editions to import the rows without their pointers.";
  return Quoted(fileName) + ": " + rows + " an ASM pointer without the edition it comes from (" + where.front() +
         (where.size() == 1 ? "" : " first") + "); pointers are addresses in one edition's code. " + remedy;
}

// What to do about a row from another edition.
std::string OtherEditionRemedy(Front front) {
  return front == Front::Window ? "empty its edition and ASM pointer cells to import its other fields."
                                : "give --across-editions to import it without its ASM pointer.";
}

bool LooksLikeJson(const std::string& text) {
  const auto first = text.find_first_not_of(" \t\r\n");
  return first != std::string::npos && (text[first] == '[' || text[first] == '{');
}

}  // namespace

ImportFile ParseImport(const std::string& text, const std::string& fileName, ItemNameViews names,
                       ItemNameViews spellings, bool rename) {
  // Editors on some systems begin UTF-8 files with a byte order mark.
  constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";
  const std::string body = text.starts_with(byteOrderMark) ? text.substr(byteOrderMark.size()) : text;
  RowCollector rows(fileName, names, spellings, rename);
  return LooksLikeJson(body) ? ParseJsonImport(body, fileName, rows) : ParseCsvImport(body, fileName, rows);
}

const Edition* EditionOption(const std::string& name) {
  const Edition* edition = EditionNamed(name);
  if (!edition) {
    ProblemDetails details;
    details.text = name;
    throw Refused(EditorProblem::NoSuchEdition, details);
  }
  return edition;
}

std::vector<std::string> MatchEditions(ImportFile& file, const std::string& fileName, const Edition& romEdition,
                                       const EditionChoice& choice, ItemNameViews names, Front front) {
  std::vector<std::string> problems;
  std::vector<std::string> unnamed;
  for (ImportRow& row : file.rows) {
    std::optional<uint16_t>& pointer = row.given[static_cast<size_t>(Field::Asm)];
    if (row.edition == nullptr) row.edition = choice.given;
    if (row.edition == &romEdition || (row.edition == nullptr && !pointer)) continue;
    if (choice.acrossEditions) {
      pointer.reset();
      continue;
    }
    if (row.edition == nullptr) {
      unnamed.push_back(row.where);
      continue;
    }
    problems.push_back(Quoted(fileName) + " " + row.where + ": " + DescribeItem(row.item, names) + " comes from " +
                       std::string(row.edition->label) + ", the ROM is " + std::string(romEdition.label) + "; " +
                       OtherEditionRemedy(front));
  }
  if (!unnamed.empty()) problems.push_back(UnnamedEditionProblem(fileName, unnamed, front));
  return problems;
}
