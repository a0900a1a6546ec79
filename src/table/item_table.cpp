#include "table/item_table.h"

#include <cassert>

#include "exchange/cli_error.h"
#include "exchange/item_argument.h"
#include "items/edition_table.h"
#include "items/field_codec.h"
#include "items/item_texts.h"
#include "table/pocket_cell.h"

namespace {

ItemFields FieldsOf(const ItemValues& values) {
  ItemFields fields;
  for (Field field : AllFields) SetField(fields, field, values[field]);
  return fields;
}

int HexValue(const std::string& text) { return text.empty() ? -1 : std::stoi(text, nullptr, 16); }

// A description as the user gives it; a name as typed.
std::string GivenText(TableColumn column, const std::string& text) {
  return column == TableColumn::Description ? DescriptionText(text) : text;
}

}  // namespace

ItemTable::ItemTable(std::string path) : path_(std::move(path)) { Read(); }

void ItemTable::Read() {
  auto session = std::make_unique<RomSession>(path_);
  std::vector<ItemValues> read(LastItem + 1);
  for (int item = 1; item <= LastItem; ++item) read[static_cast<size_t>(item)] = session->LoadValues(item);
  session_ = std::move(session);
  read_ = std::move(read);
  stored_.clear();
}

const std::string& ItemTable::Value(int item, Field field) const {
  const auto edit = edits_.find({item, field});
  return edit != edits_.end() ? edit->second : read_[static_cast<size_t>(item)][field];
}

std::optional<std::string> ItemTable::FileText(int item, TableColumn column) const {
  assert(IsTextColumn(column));
  return column == TableColumn::Name ? session_->RomName(item) : session_->Description(item);
}

std::string ItemTable::Text(int item, TableColumn column) const {
  if (column == TableColumn::Number) return std::to_string(item);
  if (const auto refused = refused_.find({item, column}); refused != refused_.end()) return refused->second.text;
  if (const auto text = texts_.find({item, column}); text != texts_.end()) return text->second;
  if (column == TableColumn::Name) return std::string(Names()[static_cast<size_t>(item)]);
  if (column == TableColumn::Description) return FileText(item, column).value_or("");
  const Field field = *ColumnInfo(column).field;
  const std::string& value = Value(item, field);
  return field == Field::Pocket ? PocketCellText(static_cast<int16_t>(std::stoi(value))) : value;
}

std::string ItemTable::EditText(int item, TableColumn column) const {
  if (column != TableColumn::Name || State(item, column) != CellState::Unchanged) return Text(item, column);
  return FileText(item, column).value_or(Text(item, column));
}

int ItemTable::SortValue(int item, TableColumn column) const {
  if (column == TableColumn::Number) return item;
  const std::optional<Field> field = ColumnInfo(column).field;
  assert(field);
  if (refused_.contains({item, column})) return -1;
  const std::string& value = Value(item, *field);
  return *field == Field::Price || *field == Field::Pocket ? std::stoi(value) : HexValue(value);
}

ItemTable::CellState ItemTable::State(int item, TableColumn column) const {
  if (refused_.contains({item, column})) return CellState::Refused;
  const std::optional<Field> field = ColumnInfo(column).field;
  const bool changed = field ? edits_.contains({item, *field}) : texts_.contains({item, column});
  return changed ? CellState::Changed : CellState::Unchanged;
}

std::string ItemTable::Refusal(int item, TableColumn column) const {
  const auto refused = refused_.find({item, column});
  return refused == refused_.end() ? std::string() : refused->second.reason;
}

bool ItemTable::Editable(int item, TableColumn column) const {
  const ItemTexts& texts = session_->Texts();
  switch (column) {
    case TableColumn::Name:
      return texts.NameRoom() && texts.NameRoom()->HasRoom();
    case TableColumn::Description:
      return HasDescription(item) && texts.Descriptions().Writable();
    default:
      break;
  }
  const std::optional<Field> field = ColumnInfo(column).field;
  return field && (*field != Field::Asm || HasAsmEntry(item));
}

std::optional<std::string> ItemTable::TextRefusal(int item, TableColumn column, const std::string& text) const {
  ItemTextEdit edit{item, {}, {}};
  (column == TableColumn::Name ? edit.name : edit.description) = GivenText(column, text);
  TextOutcome outcome = session_->Texts().Check({edit}, Names());
  if (outcome.saved()) return std::nullopt;
  return std::move(outcome.message);
}

std::optional<std::string> ItemTable::CellProblem(int item, Field field, const std::string& text) const {
  if (field == Field::Pocket) {
    if (PocketFromCell(text)) return std::nullopt;
    return "Pocket: choose " + PocketChoices() + ".";
  }
  std::optional<std::string> problem = FieldProblem(item, field, text);
  // The main window's box takes no more; a longer text is refused whole, not cut short.
  if (!problem && text.size() > static_cast<size_t>(MaxChars(field))) problem = FieldProblem(item, field, "?");
  return problem;
}

std::optional<std::string> ItemTable::Commit(int item, TableColumn column, const std::string& text) {
  assert(Editable(item, column));
  const std::optional<Field> field = ColumnInfo(column).field;
  auto problem = field ? CellProblem(item, *field, text) : TextRefusal(item, column, text);
  if (problem) {
    refused_[{item, column}] = {text, *problem};
    return problem;
  }
  if (!field) {
    PutText(item, column, GivenText(column, text));
  } else {
    Put(item, *field, *field == Field::Pocket ? std::to_string(*PocketFromCell(text)) : text);
  }
  return std::nullopt;
}

void ItemTable::Apply(const ImportFile& file) {
  assert(file.problems.empty());
  for (const ImportRow& row : file.rows) {
    for (Field field : AllFields) {
      if (const auto& text = row.given[static_cast<size_t>(field)]) Put(row.item, field, *text);
    }
    if (row.name) PutText(row.item, TableColumn::Name, *row.name);
    if (row.description) PutText(row.item, TableColumn::Description, *row.description);
  }
}

void ItemTable::PutText(int item, TableColumn column, const std::string& text) {
  const Cell cell{item, column};
  refused_.erase(cell);
  // Typing the file's text back is no edit, and keeps its bytes.
  if (text == FileText(item, column)) {
    texts_.erase(cell);
  } else {
    texts_[cell] = text;
  }
}

void ItemTable::Put(int item, Field field, const std::string& text) {
  const FieldCell cell{item, field};
  refused_.erase({item, ColumnOf(field)});
  ItemFields fields = CurrentFields(item);
  SetField(fields, field, text);
  // The stored form: "0a" and "0A" are one value, and typing the file's value back is no edit.
  std::string stored = (*ValuesOf(item, fields).values)[field];
  if (stored == read_[static_cast<size_t>(item)][field]) {
    edits_.erase(cell);
  } else {
    edits_[cell] = std::move(stored);
  }
}

ItemFields ItemTable::CurrentFields(int item) const {
  ItemFields fields = FieldsOf(read_[static_cast<size_t>(item)]);
  for (Field field : AllFields) SetField(fields, field, Value(item, field));
  return fields;
}

std::set<int> ItemTable::EditedItems() const {
  std::set<int> items;
  for (const auto& [cell, text] : edits_) items.insert(cell.first);
  return items;
}

std::vector<ItemTextEdit> ItemTable::TextEdits() const {
  std::map<int, ItemTextEdit> edits;
  for (const auto& [cell, text] : texts_) {
    ItemTextEdit& edit = edits.try_emplace(cell.first, ItemTextEdit{cell.first, {}, {}}).first->second;
    (cell.second == TableColumn::Name ? edit.name : edit.description) = text;
  }
  std::vector<ItemTextEdit> list;
  list.reserve(edits.size());
  for (auto& [item, edit] : edits) list.push_back(std::move(edit));
  return list;
}

std::optional<std::string> ItemTable::Save() {
  if (!refused_.empty()) {
    const auto& [cell, refused] = *refused_.begin();
    return "Nothing was saved: " + DescribeItem(cell.first, Names()) + " holds \"" + refused.text +
           "\", which is refused. " + refused.reason;
  }
  std::set<int> items = EditedItems();
  items.insert(stored_.begin(), stored_.end());
  try {
    for (int item : items) {
      stored_.insert(item);
      session_->Save(item, CurrentFields(item));
    }
    if (!texts_.empty()) session_->SaveTexts(TextEdits());
    session_->WriteChanges(Front::Window);
  } catch (const CliError& error) {
    return error.what();
  }
  edits_.clear();
  texts_.clear();
  for (int item : items) read_[static_cast<size_t>(item)] = session_->LoadValues(item);
  stored_.clear();
  return std::nullopt;
}

void ItemTable::Revert() {
  Read();
  edits_.clear();
  texts_.clear();
  refused_.clear();
}

void ItemTable::Reread() {
  Read();
  // An edit that the file now holds is no longer one.
  std::erase_if(edits_, [this](const auto& edit) {
    return edit.second == read_[static_cast<size_t>(edit.first.first)][edit.first.second];
  });
  std::erase_if(texts_,
                [this](const auto& text) { return text.second == FileText(text.first.first, text.first.second); });
}
