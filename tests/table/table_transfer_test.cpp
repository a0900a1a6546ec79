#include "table/table_transfer.h"

#include <gtest/gtest.h>

#include <fstream>

#include "items/edition_table.h"
#include "rom_builder.h"

namespace {

const Edition& Gold = EditionTable[0];
constexpr int Potion = 18;

class TableTransferTest : public ::testing::Test {
 protected:
  TableTransferTest() : path(dir.Path("rom.gbc")) { RomBuilder().WithEdition(Gold).WriteTo(path); }

  TempDir dir;
  std::filesystem::path path;
};

// The table unsorted and unfiltered, on `current`, with `selected` selected.
PasteTarget At(TableCell current, std::vector<TableCell> selected = {}) {
  PasteTarget target{{}, current, std::move(selected)};
  for (int item = 1; item <= LastItem; ++item) target.shown.push_back(item);
  return target;
}

}  // namespace

TEST_F(TableTransferTest, APastedDescriptionIsAnEditAndAPastedNameChecksTheRow) {
  ItemTable table(path.string());
  const std::string row = "18\tPotion\t\"Heals 20 HP\nof one POKéMON.\"\n";
  EXPECT_EQ(PasteRows(table, "No.\tName\tDescription\n" + row, At({1, TableColumn::Price})), std::vector<std::string>{});
  EXPECT_EQ(table.Text(Potion, TableColumn::Description), "Heals 20 HP\nof one POKéMON.");
  EXPECT_EQ(table.State(Potion, TableColumn::Description), ItemTable::CellState::Changed);
  // A copy carries the line break inside quotes, as spreadsheets write it, and the edition last.
  EXPECT_TRUE(CopyRows(table, {Potion}).ends_with(row.substr(row.find("\t\""), row.size() - row.find("\t\"") - 1) +
                                                   "\tgold\n"));

  table.Revert();
  const std::vector<std::string> wrongItem = PasteRows(table, "Name\tDescription\nElixer\tA new text\n", At({Potion, TableColumn::Name}));
  ASSERT_EQ(wrongItem.size(), size_t{1});
  EXPECT_NE(wrongItem[0].find("is not the name of item 18"), std::string::npos) << wrongItem[0];
  EXPECT_EQ(PasteRows(table, "No.\tDescription\n18\tone\\ntwo\\nthree\n", At({1, TableColumn::Price})),
            std::vector<std::string>{"\"Pasted text\" line 2, description: The description of item 18 (Potion) has 3 "
                                     "lines; a description has one or two."});
  EXPECT_FALSE(table.HasEdits());
}

TEST_F(TableTransferTest, AnImportFromAnotherEditionSaysWhatToChangeInTheFile) {
  ItemTable table(path.string());
  const auto file = dir.Path("items.csv");
  std::ofstream(file) << "index,edition\n18,crystal\n";
  const std::vector<std::string> problems = ImportFromFile(table, file.string());
  ASSERT_EQ(problems.size(), size_t{1});
  EXPECT_TRUE(problems[0].ends_with("; empty its edition and ASM pointer cells to import its other fields."))
      << problems[0];
}

// As spreadsheets paste: by position from the current cell, one value into
// every selected cell, each paste one step back.
TEST_F(TableTransferTest, APasteWithoutAHeaderGoesByPositionAndIsOneStepOfUndo) {
  ItemTable table(path.string());
  table.ShowBytes(true);
  EXPECT_EQ(PasteRows(table, "999\r\n", At({Potion, TableColumn::Price})), std::vector<std::string>{});
  EXPECT_EQ(table.Text(Potion, TableColumn::Price), "999");

  const std::vector<TableCell> selected{{5, TableColumn::Price}, {5, TableColumn::Effect}, {6, TableColumn::Number}};
  EXPECT_EQ(PasteRows(table, "7\n", At({5, TableColumn::Price}, selected)), std::vector<std::string>{});
  EXPECT_EQ(table.Text(5, TableColumn::Price), "7");
  EXPECT_EQ(table.Text(5, TableColumn::Effect), "07");

  EXPECT_EQ(PasteRows(table, "1\tKey\n2\tBall\n", At({7, TableColumn::Variable})), std::vector<std::string>{});
  EXPECT_EQ(table.Text(7, TableColumn::Variable), "01");
  EXPECT_EQ(table.Text(8, TableColumn::Pocket), "Ball");
  ASSERT_TRUE(table.Undo());
  EXPECT_EQ(table.State(7, TableColumn::Variable), ItemTable::CellState::Unchanged);
  EXPECT_EQ(table.State(8, TableColumn::Pocket), ItemTable::CellState::Unchanged);
  EXPECT_EQ(table.Text(5, TableColumn::Effect), "07");
  ASSERT_TRUE(table.Redo());
  EXPECT_EQ(table.Text(8, TableColumn::Pocket), "Ball");

  // Past the last column, or over an item's number: nothing is placed.
  EXPECT_EQ(PasteRows(table, "a\tb\n", At({Potion, TableColumn::Description})).size(), size_t{1});
  EXPECT_EQ(PasteRows(table, "3\t10\n", At({Potion, TableColumn::Number})).size(), size_t{1});
  EXPECT_EQ(table.Text(Potion, TableColumn::Price), "999");
}

TEST_F(TableTransferTest, RowsCopiedFromAnotherEditionKeepTheirPointersOut) {
  const auto crystalPath = dir.Path("crystal.gbc");
  RomBuilder().WithEdition(EditionTable[2]).WriteTo(crystalPath);
  const ItemTable gold(path.string());
  ItemTable crystal(crystalPath.string());
  const std::vector<std::string> problems =
      PasteRows(crystal, CopyRows(gold, {Potion}), At({Potion, TableColumn::Price}));
  ASSERT_EQ(problems.size(), size_t{1});
  EXPECT_NE(problems[0].find("comes from Pokémon Gold Version"), std::string::npos) << problems[0];
  EXPECT_FALSE(crystal.HasEdits());
  // Without the pointer column the rest of the row fits any edition.
  EXPECT_EQ(PasteRows(crystal, "No.\tPrice\tEdition\n18\t5\tgold\n", At({1, TableColumn::Price})),
            std::vector<std::string>{});
  EXPECT_EQ(crystal.Text(Potion, TableColumn::Price), "5");
}
