#include "table/item_table.h"

#include <gtest/gtest.h>

#include <fstream>

#include "items/refusal.h"
#include "items/edition_table.h"
#include "rom_io/file_path.h"
#include "rom_io/rom_header.h"
#include "items/item_image.h"
#include "rom_builder.h"
#include "table/named_cells.h"
#include "table/table_commands.h"
#include "table/table_design.h"

namespace {

const Edition& Gold = EditionTable[0];
constexpr int Potion = 18;
using Kind = ItemTable::SaveResult::Kind;

class ItemTableTest : public ::testing::Test {
 protected:
  ItemTableTest() : path(dir.Path("rom.gbc")) { RomBuilder(RomBuilder::TwoMiB, 3).WithEdition(Gold).WriteTo(path); }

  size_t PriceAt(int item) const { return static_cast<size_t>(RecordAddress(Gold.itemTableBase, item)); }

  TempDir dir;
  std::filesystem::path path;
};

}  // namespace

TEST_F(ItemTableTest, SaveWritesOnlyTheEditedBytesOverWhatOthersWroteSince) {
  ItemTable table(path.string());
  const auto original = ReadFileBytes(path);
  ASSERT_FALSE(table.Commit(Potion, TableColumn::Price, "4660"));
  const std::string price = table.Text(Potion + 1, TableColumn::Price);
  ASSERT_FALSE(table.Commit(Potion + 1, TableColumn::Price, "1"));
  // Typed back to the file's value: no edit left to write.
  ASSERT_FALSE(table.Commit(Potion + 1, TableColumn::Price, price));
  // Another program changes a field the table did not edit: it stays.
  auto changed = original;
  changed[PriceAt(Potion) + RecordByte::Variable] ^= 0xFF;
  WriteFileBytes(path, changed);
  ASSERT_EQ(table.Save().kind, Kind::Saved);
  EXPECT_EQ(DifferingOffsets(original, ReadFileBytes(path)),
            (std::vector<size_t>{PriceAt(Potion), PriceAt(Potion) + 1, PriceAt(Potion) + RecordByte::Variable}));
  EXPECT_FALSE(table.HasEdits());
  EXPECT_EQ(table.Text(Potion, TableColumn::Price), "4660");
  EXPECT_EQ(table.State(Potion, TableColumn::Price), ItemTable::CellState::Unchanged);
  EXPECT_EQ(table.Save().kind, Kind::NothingToSave);
}

// A tool's Save after the table's edit, then the main window's Save, which
// makes the table read the file again: the table's older edit must not win.
TEST_F(ItemTableTest, AnEditedFieldChangedBehindTheTableIsNotOverwrittenAfterAReread) {
  ItemTable table(path.string());
  ASSERT_FALSE(table.Commit(Potion, TableColumn::Price, "1"));
  RomSession tool(path.string());
  ItemRecord record = tool.Load(Potion);
  record.price = 350;
  tool.Save(Potion, record);
  tool.WriteChanges();
  table.Reread();
  const auto before = ReadFileBytes(path);
  const ItemTable::SaveResult result = table.Save();
  ASSERT_EQ(result.kind, Kind::Refused);
  EXPECT_NE(Words(result.refusal).find("item 18 (Potion) Price (350 in the file now"), std::string::npos) << Words(result.refusal);
  EXPECT_EQ(ReadFileBytes(path), before);
  EXPECT_EQ(table.Text(Potion, TableColumn::Price), "1");
}

TEST_F(ItemTableTest, RevertRefusesAFileThatIsNoLongerTheRomItShowsAndKeepsTheEdits) {
  ItemTable table(path.string());
  ASSERT_FALSE(table.Commit(Potion, TableColumn::Price, "1"));
  const auto original = ReadFileBytes(path);
  RomBuilder(RomBuilder::TwoMiB, 3).WithEdition(EditionTable[2]).WriteTo(path);
  EXPECT_THROW(table.Revert(), Refused);
  EXPECT_EQ(table.Save().kind, Kind::Refused);
  std::vector<uint8_t> cut(original.begin(), original.begin() + 1'000'000);
  cut[RomSizeOffset] = 6;  // 2 MiB
  WriteFileBytes(path, cut);
  EXPECT_THROW(table.Revert(), Refused);
  EXPECT_EQ(table.Text(Potion, TableColumn::Price), "1");
  table.DropEdits();
  EXPECT_FALSE(table.HasEdits());
}

TEST_F(ItemTableTest, ARefusedCellStopsTheSave) {
  ItemTable table(path.string());
  const auto original = ReadFileBytes(path);
  ASSERT_FALSE(table.Commit(Potion, TableColumn::Price, "4660"));
  ASSERT_TRUE(table.Commit(Potion, TableColumn::Effect, "100"));
  EXPECT_EQ(table.Save().kind, Kind::Refused);
  EXPECT_EQ(ReadFileBytes(path), original);
}

TEST_F(ItemTableTest, RereadKeepsTheEditsOnTopOfTheFileAsItNowIs) {
  ItemTable table(path.string());
  ASSERT_FALSE(table.Commit(Potion, TableColumn::Price, "4660"));
  ASSERT_FALSE(table.Commit(Potion, TableColumn::Effect, "1A"));
  // Another window saves the same price and a new Var. byte.
  auto bytes = ReadFileBytes(path);
  bytes[PriceAt(Potion)] = 0x34;
  bytes[PriceAt(Potion) + 1] = 0x12;
  bytes[PriceAt(Potion) + RecordByte::Variable] = 0x07;
  WriteFileBytes(path, bytes);

  table.Reread();
  EXPECT_EQ(table.State(Potion, TableColumn::Price), ItemTable::CellState::Unchanged);
  EXPECT_EQ(table.Text(Potion, TableColumn::Variable), "07");
  EXPECT_EQ(table.State(Potion, TableColumn::Effect), ItemTable::CellState::Changed);
}

TEST_F(ItemTableTest, SavedTextsChangeOnlyTheBytesTheCoreWriterWrites) {
  ItemTable table(path.string());
  const auto original = ReadFileBytes(path);
  // The editor starts from the ROM's spelling, which is no edit when committed as it stands.
  ASSERT_EQ(table.EditText(Potion, TableColumn::Name), "POTION");
  ASSERT_FALSE(table.Commit(Potion, TableColumn::Name, "POTION"));
  EXPECT_FALSE(table.HasEdits());

  ASSERT_FALSE(table.Commit(Potion, TableColumn::Name, "ELIXER"));
  // The descriptions fill their room too: this one is no longer than the one it replaces.
  ASSERT_FALSE(table.Commit(Potion, TableColumn::Description, "HP\\nUP"));
  EXPECT_EQ(table.Text(Potion, TableColumn::Description), "HP\nUP");
  EXPECT_EQ(table.State(Potion, TableColumn::Name), ItemTable::CellState::Changed);
  ASSERT_EQ(table.Save().kind, Kind::Saved);

  ItemImage expected(Image(original));
  ASSERT_TRUE(expected.StoreTexts({{Potion, "ELIXER", "HP\nUP"}}).saved());
  EXPECT_TRUE(std::ranges::equal(ReadFileBytes(path), expected.Bytes()));
  EXPECT_FALSE(DifferingOffsets(original, ReadFileBytes(path)).empty());
  EXPECT_FALSE(table.HasEdits());
  EXPECT_EQ(table.Text(Potion, TableColumn::Name), "ELIXER");
}

TEST_F(ItemTableTest, ATextIsRefusedAsItIsTypedAndARoomTooSmallAtSave) {
  ItemTable table(path.string());
  const auto original = ReadFileBytes(path);
  const struct {
    TableColumn column;
    std::string text, reason;
  } refused[] = {
      {TableColumn::Name, "POKéPOKéPOKéA", "shows 13 characters"},
      {TableColumn::Name, "PO€ION", "\"€\", which the game has no character for"},
      {TableColumn::Description, "Nineteen characters\nline two", "Line 1 of the description of item 18"},
      {TableColumn::Description, "one\ntwo\nthree", "has 3 lines"},
  };
  for (const auto& [column, text, reason] : refused) {
    const std::optional<std::string> problem = table.Commit(Potion, column, text);
    ASSERT_TRUE(problem);
    EXPECT_NE(problem->find(reason), std::string::npos) << *problem;
    EXPECT_EQ(table.Text(Potion, column), text);
    EXPECT_EQ(table.State(Potion, column), ItemTable::CellState::Refused);
  }
  EXPECT_FALSE(table.Editable(LastItemWithDescription + 1, TableColumn::Description));
  table.Revert();

  // The names fill their room exactly: one more letter needs another name to give one up.
  ASSERT_FALSE(table.Commit(Potion, TableColumn::Name, "POTIONS"));
  const ItemTable::SaveResult result = table.Save();
  ASSERT_EQ(result.kind, Kind::Refused);
  EXPECT_NE(Words(result.refusal).find("1 more than"), std::string::npos) << Words(result.refusal);
  EXPECT_EQ(ReadFileBytes(path), original);
  EXPECT_TRUE(table.HasEdits());
}

// Every value of every named column, typed by its name into one table and
// as its hex into another, saves the same bytes; a value without a name
// shows its hex and is kept as it is.
TEST_F(ItemTableTest, AnEditByNameWritesWhatTheSameEditInHexWrites) {
  const auto copy = dir.Path("hex.gbc");
  std::filesystem::copy_file(path, copy);
  ItemTable byName(path.string()), byHex(copy.string());
  byHex.ShowBytes(true);
  for (const TableColumnInfo& info : TableColumns) {
    if (!info.named) continue;
    const int values = info.named == NamedColumn::FieldMenu || info.named == NamedColumn::BattleMenu ? 16 : 256;
    for (int item = 1; item <= LastItemWithAsm && item <= values; ++item) {
      const uint16_t value = info.named == NamedColumn::Routine
                                 ? WithPart(*info.named, 0, static_cast<uint16_t>(item * 0x0101))
                                 : WithPart(*info.named, *byName.Value(item, *info.field), static_cast<uint16_t>(item - 1));
      const std::string named = NamedCellText(*info.named, value, byName.Routines(), false);
      const std::string hex = NamedCellText(*info.named, value, byName.Routines(), true);
      ASSERT_FALSE(byName.Commit(item, info.column, named)) << named;
      ASSERT_FALSE(byHex.Commit(item, info.column, hex)) << hex;
      ASSERT_EQ(byName.Value(item, *info.field), value) << named;
    }
  }
  ASSERT_EQ(byName.Save().kind, Kind::Saved);
  ASSERT_EQ(byHex.Save().kind, Kind::Saved);
  EXPECT_EQ(ReadFileBytes(path), ReadFileBytes(copy));
}

// File > Symbols: a symbol file of the ROM names its moved routine, from then
// on and under the edits; one of another ROM changes nothing and says why.
TEST_F(ItemTableTest, AChosenSymbolFileNamesTheRoutinesUntilAnotherIsChosen) {
  RomBuilder(RomBuilder::TwoMiB, 3).WithEdition(Gold).WithAsmEntry(Gold, 1, 0xBC, 0x7A).WriteTo(path);
  const auto ours = dir.Path("hack.sym"), other = dir.Path("other.sym");
  std::ofstream(ours) << "01:68A0 ItemAttributes\n03:67C0 ItemEffects\n03:7ABC MasterBallEffect\n";
  std::ofstream(other) << "03:67C2 ItemEffects\n03:7ABC Wrong\n";
  ItemTable table(path.string());
  ASSERT_FALSE(table.Commit(Potion, TableColumn::Price, "1"));
  EXPECT_EQ(table.Text(1, TableColumn::Routine), "BC7A");
  EXPECT_EQ(FilePath(SymbolsDialogFolder(table)), std::filesystem::absolute(path).parent_path());

  CommandOutcome named = SymbolsCommand(table, ours.string());
  EXPECT_TRUE(named.done);
  EXPECT_EQ(named.status, "Routine names from the symbol file \"" + ours.string() + "\".");
  EXPECT_EQ(table.Text(1, TableColumn::Routine), "MasterBallEffect");
  EXPECT_EQ(table.Text(Potion, TableColumn::Price), "1");

  const CommandOutcome ignored = SymbolsCommand(table, other.string());
  EXPECT_FALSE(ignored.done);
  EXPECT_EQ(*ignored.message, "The symbol file \"" + other.string() +
                                  "\" is ignored: its ItemEffects stands at 03:67C2, but the ROM's table of item-use "
                                  "routines is at 03:67C0.");
  table.Reread();
  EXPECT_EQ(table.Text(1, TableColumn::Routine), "MasterBallEffect");
  ASSERT_FALSE(table.Commit(2, TableColumn::Routine, "masterballeffect"));
  EXPECT_EQ(table.Value(2, Field::Asm), 0x7ABC);
}
