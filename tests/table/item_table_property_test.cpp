// The table against a model of it, over many random sequences of edits,
// pastes, undo and redo, Saves, Reverts, rereads and writes by another
// program: after every Save that says it saved, each field in the file
// holds what its last successful writer gave it, and no Save undoes a
// change it did not see.
#include <gtest/gtest.h>

#include <map>
#include <random>

#include "items/edition_table.h"
#include "items/item_encoding.h"
#include "rom_builder.h"
#include "rom_io/rom_header.h"
#include "table/item_table.h"
#include "table/table_transfer.h"

namespace {

using Key = std::pair<int, Field>;
struct Edit {
  std::string value, base;
  friend bool operator==(const Edit&, const Edit&) = default;
};
using Edits = std::map<Key, Edit>;

constexpr std::array Items{5, 6, 18};
constexpr std::array Fields{Field::Price, Field::Effect};
const std::array<std::array<std::string, 3>, 2> Values{{{"100", "200", "300"}, {"00", "01", "02"}}};

std::map<Key, std::string> FileValues(const std::filesystem::path& path) {
  const RomSession session(path.string());
  std::map<Key, std::string> values;
  for (int item : Items) {
    for (Field field : Fields) values[{item, field}] = FieldText(session.Load(item), field);
  }
  return values;
}

// What the table should hold: the same rules, written plainly.
struct Model {
  std::map<Key, std::string> file, seen;
  Edits edits;
  std::vector<Edits> undo, redo;

  void Put(Edits& into, const Key& key, const std::string& value) const {
    if (value == seen.at(key)) {
      into.erase(key);
    } else if (const auto edit = into.find(key); edit != into.end()) {
      edit->second.value = value;
    } else {
      into[key] = {value, seen.at(key)};
    }
  }
  void Step(const Edits& next) {
    if (next == edits) return;
    undo.push_back(edits);
    redo.clear();
    edits = next;
  }
  void Read() {
    seen = file;
    std::erase_if(edits, [this](const auto& edit) { return edit.second.value == seen.at(edit.first); });
  }
  bool Save() {
    for (const auto& [key, edit] : edits) {
      if (file[key] != edit.base && file[key] != edit.value) {
        Read();
        return false;
      }
    }
    for (const auto& [key, edit] : edits) file[key] = edit.value;
    edits.clear();
    undo.clear();
    redo.clear();
    Read();
    return true;
  }
};

TableColumn ColumnFor(Field field) { return field == Field::Price ? TableColumn::Price : TableColumn::Effect; }

}  // namespace

TEST(ItemTableProperty, NoWriterUndoesAnotherAndEverySavedFieldHoldsItsLastValue) {
  TempDir dir;
  const auto path = dir.Path("rom.gbc");
  std::mt19937 random(2026);
  const auto pick = [&random](size_t count) { return std::uniform_int_distribution<size_t>(0, count - 1)(random); };
  for (int sequence = 0; sequence < 60; ++sequence) {
    // Room for the item tables alone: every read is quick.
    RomBuilder(64 * 1024, static_cast<uint32_t>(sequence))
        .WithEdition(EditionTable[0])
        .WithByte(RomSizeOffset, 1)
        .WriteTo(path);
    ItemTable table(path.string());
    table.ShowBytes(true);
    Model model;
    model.file = model.seen = FileValues(path);
    for (int step = 0; step < 25; ++step) {
      const size_t field = pick(Fields.size());
      const Key key{Items[pick(Items.size())], Fields[field]};
      const std::string& value = Values[field][pick(3)];
      SCOPED_TRACE("sequence " + std::to_string(sequence) + " step " + std::to_string(step));
      switch (pick(8)) {
        case 0:
        case 1: {
          ASSERT_FALSE(table.Commit(key.first, ColumnFor(key.second), value));
          Edits next = model.edits;
          model.Put(next, key, value);
          model.Step(next);
          break;
        }
        case 2: {  // two rows at once, from the cell down
          const int item = key.first == 18 ? 5 : key.first;
          PasteTarget target{{5, 6, 18}, {item, ColumnFor(key.second)}, {}};
          ASSERT_TRUE(PasteRows(table, value + "\n" + value + "\n", target).empty());
          Edits next = model.edits;
          model.Put(next, {item, key.second}, value);
          model.Put(next, {item == 5 ? 6 : 18, key.second}, value);
          model.Step(next);
          break;
        }
        case 3: {
          const bool undo = pick(2) == 0;
          auto& from = undo ? model.undo : model.redo;
          auto& to = undo ? model.redo : model.undo;
          ASSERT_EQ(undo ? table.Undo() : table.Redo(), !from.empty());
          if (from.empty()) break;
          to.push_back(model.edits);
          model.edits = from.back();
          from.pop_back();
          break;
        }
        case 4: {
          const ItemTable::SaveResult result = table.Save();
          if (model.edits.empty()) {
            ASSERT_EQ(result.kind, ItemTable::SaveResult::Kind::NothingToSave);
            break;
          }
          ASSERT_EQ(result.kind == ItemTable::SaveResult::Kind::Saved, model.Save()) << Words(result.refusal);
          ASSERT_EQ(FileValues(path), model.file);
          break;
        }
        case 5:
          table.Revert();
          model.edits.clear();
          model.undo.clear();
          model.redo.clear();
          model.Read();
          break;
        case 6: {  // another program, as the tool or the main window writes
          RomSession other(path.string());
          ItemRecord record = other.Load(key.first);
          SetFieldValue(record, key.second, *ParseField(key.second, value).value);
          other.Save(key.first, record);
          other.WriteChanges();
          model.file[key] = value;
          if (pick(2) == 0) {  // the main window tells the table
            table.Reread();
            model.Read();
          }
          break;
        }
        default:
          break;
      }
      ASSERT_EQ(table.HasEdits(), !model.edits.empty());
      for (const auto& [shown, fileValue] : model.seen) {
        const auto edit = model.edits.find(shown);
        ASSERT_EQ(table.Text(shown.first, ColumnFor(shown.second)),
                  edit == model.edits.end() ? fileValue : edit->second.value);
      }
    }
  }
}
