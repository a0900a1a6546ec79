#include "table/item_table.h"

#include <gtest/gtest.h>

#include "items/edition_table.h"
#include "rom_builder.h"

namespace {

const Edition& Gold = EditionTable[0];
constexpr int Potion = 18;

class ItemTableTest : public ::testing::Test {
 protected:
  ItemTableTest() : path(dir.Path("rom.gbc")) { RomBuilder(RomBuilder::TwoMiB, 3).WithEdition(Gold).WriteTo(path); }

  size_t PriceAt(int item) const { return static_cast<size_t>(RecordAddress(Gold.itemTableBase, item)); }

  TempDir dir;
  std::filesystem::path path;
};

}  // namespace

TEST_F(ItemTableTest, SaveWritesOnlyTheEditedBytesAndRefusesAFileChangedBehindIt) {
  ItemTable table(path.string());
  const auto original = ReadFileBytes(path);
  ASSERT_FALSE(table.Commit(Potion, TableColumn::Price, "4660"));
  const std::string price = table.Text(Potion + 1, TableColumn::Price);
  ASSERT_FALSE(table.Commit(Potion + 1, TableColumn::Price, "1"));
  // Typed back to the file's value: no edit left to write.
  ASSERT_FALSE(table.Commit(Potion + 1, TableColumn::Price, price));
  ASSERT_EQ(table.Save(), std::nullopt);
  EXPECT_EQ(DifferingOffsets(original, ReadFileBytes(path)),
            (std::vector<size_t>{PriceAt(Potion), PriceAt(Potion) + 1}));
  EXPECT_FALSE(table.HasEdits());

  ASSERT_FALSE(table.Commit(Potion, TableColumn::Price, "1"));
  auto changed = ReadFileBytes(path);
  changed[0] ^= 0xFF;
  WriteFileBytes(path, changed);
  EXPECT_TRUE(table.Save());
  EXPECT_EQ(ReadFileBytes(path), changed);
  EXPECT_TRUE(table.HasEdits());
}

TEST_F(ItemTableTest, ARefusedCellStopsTheSave) {
  ItemTable table(path.string());
  const auto original = ReadFileBytes(path);
  ASSERT_FALSE(table.Commit(Potion, TableColumn::Price, "4660"));
  ASSERT_TRUE(table.Commit(Potion, TableColumn::Effect, "100"));
  EXPECT_TRUE(table.Save());
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
