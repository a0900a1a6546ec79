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

}  // namespace

TEST_F(TableTransferTest, APastedDescriptionIsAnEditAndAPastedNameChecksTheRow) {
  ItemTable table(path.string());
  const std::string row = "18\tPotion\t\"Heals 20 HP\nof one POKéMON.\"\n";
  EXPECT_EQ(PasteRows(table, "No.\tName\tDescription\n" + row, {}), std::vector<std::string>{});
  EXPECT_EQ(table.Text(Potion, TableColumn::Description), "Heals 20 HP\nof one POKéMON.");
  EXPECT_EQ(table.State(Potion, TableColumn::Description), ItemTable::CellState::Changed);
  // A copy carries the line break inside quotes, as spreadsheets write it.
  EXPECT_TRUE(CopyRows(table, {Potion}).ends_with(row.substr(row.find("\t\""))));

  table.Revert();
  const std::vector<std::string> wrongItem = PasteRows(table, "Name\tDescription\nElixer\tA new text\n", {Potion});
  ASSERT_EQ(wrongItem.size(), size_t{1});
  EXPECT_NE(wrongItem[0].find("is not the name of item 18"), std::string::npos) << wrongItem[0];
  EXPECT_EQ(PasteRows(table, "No.\tDescription\n18\tone\\ntwo\\nthree\n", {}),
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
