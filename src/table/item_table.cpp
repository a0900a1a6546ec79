#include "table/item_table.h"

#include <algorithm>
#include <cassert>

#include "exchange/item_argument.h"
#include "items/edition_table.h"
#include "items/item_encoding.h"
#include "items/item_texts.h"
#include "table/named_cells.h"
#include "table/pocket_cell.h"

namespace {

// A cell's text as the value it stores. A pocket is one of the list's
// texts; the others are as the main window's field takes them, and a text
// longer than its box takes is refused whole, not cut short.
ParsedField FieldCellValue(Field field, const std::string& text) {
  if (field == Field::Pocket) {
    if (const auto pocket = PocketFromCell(text)) return {static_cast<uint16_t>(*pocket), {}};
    return {std::nullopt, "Pocket: choose " + PocketChoices() + "."};
  }
  return ParseField(field, text.size() > static_cast<size_t>(MaxChars(field)) ? "?" : text);
}

// A description as the user gives it; a name as typed.
std::string GivenText(TableColumn column, const std::string& text) {
  return column == TableColumn::Description ? DescriptionText(text) : text;
}

}  // namespace

ItemTable::ItemTable(std::string path) : path_(std::move(path)) {
  Adopt(std::make_unique<RomSession>(path_));
}

std::unique_ptr<RomSession> ItemTable::ReadAgain(const std::optional<std::string>& symbols) const {
  auto now = std::make_unique<RomSession>(path_, symbols);
  if (&now->RomEdition() != &RomEdition()) {
    ProblemDetails details = FileDetails(path_);
    details.openEdition = now->RomEdition().label;
    details.loadedEdition = RomEdition().label;
    throw ::Refused(EditorProblem::OtherEditionNow, details);
  }
  return now;
}

// The cells the table has not edited show the file as `session` holds it;
// an edit that the file now holds is no longer one.
void ItemTable::Adopt(std::unique_ptr<RomSession> session) {
  std::vector<ItemRecord> read(LastItem + 1);
  for (int item = 1; item <= LastItem; ++item) read[static_cast<size_t>(item)] = session->Load(item);
  session_ = std::move(session);
  read_ = std::move(read);
  std::erase_if(pending_.fields, [this](const auto& edit) {
    return edit.second.value == FieldValue(read_[static_cast<size_t>(edit.first.first)], edit.first.second);
  });
  std::erase_if(pending_.texts,
                [this](const auto& text) { return text.second == FileText(text.first.first, text.first.second); });
  KeepTextBases();
}

std::optional<uint16_t> ItemTable::Value(int item, Field field) const {
  const auto edit = pending_.fields.find({item, field});
  return edit != pending_.fields.end() ? edit->second.value : FieldValue(read_[static_cast<size_t>(item)], field);
}

ParsedField ItemTable::CellValue(int item, TableColumn column, const std::string& text) const {
  const TableColumnInfo& info = ColumnInfo(column);
  if (!info.named) return FieldCellValue(*info.field, text);
  ParsedField read = ReadNamedCell(*info.named, text, Value(item, *info.field).value_or(0), Routines());
  if (!read.value) read.problem = std::string(info.caption) + ": " + read.problem;
  return read;
}

std::optional<std::string> ItemTable::FileText(int item, TableColumn column) const {
  assert(IsTextColumn(column));
  const ItemRecord& read = read_[static_cast<size_t>(item)];
  return column == TableColumn::Name ? read.name : read.description;
}

std::string ItemTable::Text(int item, TableColumn column) const {
  if (column == TableColumn::Number) return std::to_string(item);
  if (const auto refused = pending_.refused.find({item, column}); refused != pending_.refused.end()) {
    return refused->second.text;
  }
  if (const auto text = pending_.texts.find({item, column}); text != pending_.texts.end()) return text->second;
  if (column == TableColumn::Name) return std::string(Names()[static_cast<size_t>(item)]);
  if (column == TableColumn::Description) return FileText(item, column).value_or("");
  const TableColumnInfo& info = ColumnInfo(column);
  const std::optional<uint16_t> value = Value(item, *info.field);
  if (!value) return {};
  if (info.named) return NamedCellText(*info.named, *value, Routines(), showBytes_);
  return info.field == Field::Pocket ? PocketCellText(static_cast<int16_t>(*value)) : FieldText(*info.field, *value);
}

std::string ItemTable::EditText(int item, TableColumn column) const {
  if (column != TableColumn::Name || State(item, column) != CellState::Unchanged) return Text(item, column);
  return FileText(item, column).value_or(Text(item, column));
}

int ItemTable::SortValue(int item, TableColumn column) const {
  if (column == TableColumn::Number) return item;
  const TableColumnInfo& info = ColumnInfo(column);
  assert(info.field);
  const std::optional<uint16_t> value = Value(item, *info.field);
  if (pending_.refused.contains({item, column}) || !value) return -1;
  // A menu sorts by its half, the pointer as it shows, in file order.
  return info.named ? PartOf(*info.named, *value) : *value;
}

ItemTable::CellState ItemTable::State(int item, TableColumn column) const {
  if (pending_.refused.contains({item, column})) return CellState::Refused;
  const std::optional<Field> field = ColumnInfo(column).field;
  const bool changed = field ? pending_.fields.contains({item, *field}) : pending_.texts.contains({item, column});
  return changed ? CellState::Changed : CellState::Unchanged;
}

std::string ItemTable::Refusal(int item, TableColumn column) const {
  const auto refused = pending_.refused.find({item, column});
  return refused == pending_.refused.end() ? std::string() : refused->second.reason;
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

std::optional<std::string> ItemTable::Commit(int item, TableColumn column, const std::string& text) {
  assert(Editable(item, column));
  const Pending before = pending_;
  const std::optional<Field> field = ColumnInfo(column).field;
  std::optional<std::string> problem;
  if (!field) {
    problem = TextRefusal(item, column, text);
    if (!problem) PutText(item, column, GivenText(column, text));
  } else if (ParsedField parsed = CellValue(item, column, text); parsed.value) {
    pending_.refused.erase({item, column});
    Put(item, *field, *parsed.value);
  } else {
    problem = std::move(parsed.problem);
  }
  if (problem) pending_.refused[{item, column}] = {text, *problem};
  Record(before);
  return problem;
}

void ItemTable::Apply(const ImportFile& file) {
  assert(file.problems.empty());
  const Pending before = pending_;
  for (const ImportRow& row : file.rows) {
    for (const TableColumnInfo& info : TableColumns) {
      if (!info.field || !row.given[static_cast<size_t>(*info.field)]) continue;
      pending_.refused.erase({row.item, info.column});
      Put(row.item, *info.field, *row.given[static_cast<size_t>(*info.field)]);
    }
    if (row.name) PutText(row.item, TableColumn::Name, *row.name);
    if (row.description) PutText(row.item, TableColumn::Description, *row.description);
  }
  Record(before);
}

void ItemTable::Record(const Pending& before) {
  if (before == pending_) return;
  undo_.push_back(before);
  redo_.clear();
}

bool ItemTable::Undo() { return StepBack(undo_, redo_); }

bool ItemTable::Redo() { return StepBack(redo_, undo_); }

// Takes what is pending from the last step of `from`, keeping what it was in `to`.
bool ItemTable::StepBack(std::vector<Pending>& from, std::vector<Pending>& to) {
  if (from.empty()) return false;
  to.push_back(std::move(pending_));
  pending_ = std::move(from.back());
  from.pop_back();
  return true;
}

void ItemTable::PutText(int item, TableColumn column, const std::string& text) {
  const Cell cell{item, column};
  pending_.refused.erase(cell);
  // Typing the file's text back is no edit, and keeps its bytes.
  if (text == FileText(item, column)) {
    pending_.texts.erase(cell);
  } else {
    pending_.texts[cell] = text;
  }
  KeepTextBases();
}

// A room's starting point is taken with its first pending text and let go with its last.
void ItemTable::KeepTextBases() {
  const auto keep = [this](TableColumn column, std::optional<TextRoomBase>& base, auto baseOf) {
    const bool pending = std::ranges::any_of(pending_.texts, [column](const auto& text) {
      return text.first.second == column;
    });
    if (!pending) {
      base.reset();
    } else if (!base) {
      base = baseOf(session_->Texts(), session_->Bytes());
    }
  };
  keep(TableColumn::Name, pending_.nameBase, NameRoomBase);
  keep(TableColumn::Description, pending_.descriptionBase, DescriptionRoomBase);
}

void ItemTable::Put(int item, Field field, uint16_t value) {
  const FieldCell cell{item, field};
  const std::optional<uint16_t> file = FieldValue(read_[static_cast<size_t>(item)], field);
  assert(file);
  // Typing the file's value back is no edit.
  if (value == *file) {
    pending_.fields.erase(cell);
    return;
  }
  const auto [edit, added] = pending_.fields.try_emplace(cell, FieldEdit{value, *file});
  if (!added) edit->second.value = value;
}

size_t ItemTable::EditedItemCount() const {
  std::set<int> items;
  for (const auto& [cell, edit] : pending_.fields) items.insert(cell.first);
  for (const auto& [cell, text] : pending_.texts) items.insert(cell.first);
  for (const auto& [cell, refused] : pending_.refused) items.insert(cell.first);
  return items.size();
}

std::vector<ItemTextEdit> ItemTable::TextEdits() const {
  std::map<int, ItemTextEdit> edits;
  for (const auto& [cell, text] : pending_.texts) {
    ItemTextEdit& edit = edits.try_emplace(cell.first, ItemTextEdit{cell.first, {}, {}}).first->second;
    (cell.second == TableColumn::Name ? edit.name : edit.description) = text;
  }
  std::vector<ItemTextEdit> list;
  list.reserve(edits.size());
  for (auto& [item, edit] : edits) list.push_back(std::move(edit));
  return list;
}

std::vector<std::string> ItemTable::Conflicts(const RomSession& now) const {
  std::vector<std::string> conflicts;
  for (const auto& [cell, edit] : pending_.fields) {
    const uint16_t held = *FieldValue(now.Load(cell.first), cell.second);
    if (held == edit.base || held == edit.value) continue;
    conflicts.push_back(DescribeItem(cell.first, Names()) + " " +
                        std::string(CaptionOf(cell.second)) + " (" + FieldText(cell.second, held) +
                        " in the file now, " + FieldText(cell.second, edit.base) + " when you changed it)");
  }
  if (pending_.nameBase && !pending_.nameBase->HeldBy(now.Bytes())) conflicts.emplace_back("the item names");
  if (pending_.descriptionBase && !pending_.descriptionBase->HeldBy(now.Bytes())) {
    conflicts.emplace_back("the item descriptions");
  }
  return conflicts;
}

// The edits on top of the file as `now` holds it: the fields the table did
// not edit keep what other programs wrote there.
std::optional<Refusal> ItemTable::WriteInto(RomSession& now) const {
  try {
    std::map<int, ItemRecord> items;
    for (const auto& [cell, edit] : pending_.fields) {
      ItemRecord& record = items.try_emplace(cell.first, now.Load(cell.first)).first->second;
      SetFieldValue(record, cell.second, edit.value);
    }
    for (const auto& [item, record] : items) now.Save(item, record);
    if (!pending_.texts.empty()) now.SaveTexts(TextEdits());
    now.WriteChanges(Front::Window);
  } catch (const ::Refused& refused) {
    return refused.Why();
  }
  return std::nullopt;
}

ItemTable::SaveResult ItemTable::Save() {
  using Kind = SaveResult::Kind;
  if (!pending_.refused.empty()) {
    const auto& [cell, refused] = *pending_.refused.begin();
    ProblemDetails details;
    details.itemName = DescribeItem(cell.first, Names());
    details.text = refused.text;
    details.field = refused.reason;
    return {Kind::Refused, {EditorProblem::CellRefused, details}};
  }
  if (pending_.Empty()) return {Kind::NothingToSave, {}};
  std::unique_ptr<RomSession> now;
  try {
    now = ReadAgain();
  } catch (const ::Refused& refused) {
    return {Kind::Refused, refused.Why()};
  }
  if (const std::vector<std::string> conflicts = Conflicts(*now); !conflicts.empty()) {
    ProblemDetails details = FileDetails(path_);
    for (const std::string& conflict : conflicts) {
      details.changedFields += (details.changedFields.empty() ? "" : "; ") + conflict;
    }
    Adopt(std::move(now));
    return {Kind::Refused, {EditorProblem::ChangedSinceEdit, details}};
  }
  if (std::optional<::Refusal> refusal = WriteInto(*now)) return {Kind::Refused, std::move(*refusal)};
  pending_ = {};
  undo_.clear();
  redo_.clear();
  Adopt(std::move(now));
  return {};
}

void ItemTable::Revert() {
  std::unique_ptr<RomSession> now = ReadAgain();
  DropEdits();
  Adopt(std::move(now));
}

void ItemTable::DropEdits() {
  pending_ = {};
  undo_.clear();
  redo_.clear();
}

void ItemTable::Reread() { Adopt(ReadAgain()); }

std::optional<std::string> ItemTable::UseSymbols(const std::string& path) {
  std::unique_ptr<RomSession> now = ReadAgain(path);
  if (now->Routines().From() != RoutineNames::Source::SymbolFile) return now->Routines().SymbolFileNote();
  symbols_ = path;
  Adopt(std::move(now));
  return std::nullopt;
}
