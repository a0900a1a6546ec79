// The tables that were brought in from the ROM research's data files must
// stay exactly as those files say. Skipped where the files are not at hand.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "clean_item_descriptions.h"
#include "items/clean_item_names.h"
#include "items/description_texts.h"
#include "items/edition_table.h"
#include "items/game_text_table.h"
#include "items/held_effect_table.h"
#include "items/item_field_name_table.h"
#include "items/item_routine_table.h"
#include "items/item_table_finder.h"

namespace {

const std::filesystem::path DataDir = KESTRUNE_ROM_DATA_DIR;

std::string ReadData(const std::string& name) {
  std::ifstream file(DataDir / name, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

// The rows of a data table under its header line, split at tabs.
std::vector<std::vector<std::string>> Rows(const std::string& name) {
  std::vector<std::vector<std::string>> rows;
  std::istringstream lines(ReadData(name));
  bool header = true;
  for (std::string line; std::getline(lines, line);) {
    if (line.empty() || line.starts_with("#")) continue;
    if (std::exchange(header, false)) continue;
    std::vector<std::string> cells;
    for (size_t start = 0;;) {
      const size_t tab = line.find('\t', start);
      cells.push_back(line.substr(start, tab - start));
      if (tab == std::string::npos) break;
      start = tab + 1;
    }
    rows.push_back(cells);
  }
  return rows;
}

class GameData : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::filesystem::exists(DataDir)) GTEST_SKIP() << "no ROM research data at " << DataDir;
  }
};

TEST_F(GameData, TextTableIsTheResearchTable) {
  const auto rows = Rows("text-table.tsv");
  ASSERT_EQ(rows.size(), GameTextTable.size());
  for (size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(std::stoi(rows[i][0], nullptr, 16), GameTextTable[i].byte);
    EXPECT_EQ(rows[i][1], GameTextTable[i].text);
  }
}

TEST_F(GameData, CleanItemNamesAreTheResearchNames) {
  const auto rows = Rows("rom-item-names.tsv");
  ASSERT_EQ(rows.size(), CleanGoldSilverItemNames.size());
  for (size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(rows[i][0], std::to_string(i + 1));
    EXPECT_EQ(rows[i][1], CleanGoldSilverItemNames[i]);
    EXPECT_EQ(rows[i][2], CleanCrystalItemNames[i]);
  }
}

// The file writes a line break as the two characters \n.
TEST_F(GameData, CleanDescriptionsAreTheResearchDescriptions) {
  const auto rows = Rows("rom-item-descriptions.tsv");
  ASSERT_EQ(rows.size(), CleanGoldSilverDescriptions.size());
  const auto lines = [](std::string text) {
    for (size_t at = text.find("\\n"); at != std::string::npos; at = text.find("\\n", at)) text.replace(at, 2, "\n");
    return text;
  };
  for (size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(rows[i][0], std::to_string(i + 1));
    EXPECT_EQ(lines(rows[i][1]), CleanGoldSilverDescriptions[i]);
    EXPECT_EQ(lines(rows[i][2]), CleanCrystalDescriptions[i]);
  }
}

TEST_F(GameData, DescriptionCodeIsWrittenAsTheResearchWritesIt) {
  const std::string notes = ReadData("item-text-code.md");
  for (const std::string_view code : {GoldSilverDescriptionCode, CrystalDescriptionCode}) {
    EXPECT_NE(notes.find("    " + std::string(code) + "\n"), std::string::npos) << code;
  }
}

// As the notes write offsets and sizes: "0x1B8200", "4 932".
std::string Hex(int64_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%llX", static_cast<unsigned long long>(value));
  return text;
}
std::string Grouped(int64_t value) {
  const std::string digits = std::to_string(value);
  return digits.size() > 3 ? digits.substr(0, digits.size() - 3) + " " + digits.substr(digits.size() - 3) : digits;
}

// Each edition's rows in the notes' tables of names and descriptions give
// its places and rooms.
TEST_F(GameData, ReleaseRoomsAreTheResearchRooms) {
  std::istringstream notes(ReadData("item-text-code.md"));
  std::vector<std::string> rows;
  for (std::string line; std::getline(notes, line);) {
    if (line.starts_with("| ")) rows.push_back(line);
  }
  for (const Edition& edition : EditionTable) {
    std::string name(edition.name);
    name[0] = static_cast<char>(std::toupper(name[0]));
    const FileSpan names = edition.texts.nameRoom, texts = edition.texts.descriptionRoom;
    const std::string cells[] = {
        "| " + Hex(names.offset) + " | " + Grouped(names.size) + " ",
        "| " + Hex(texts.offset) + "–" + Hex(texts.End() - 1) + " (" + Grouped(texts.size) + " bytes) |",
    };
    for (const std::string& cell : cells) {
      const bool found = std::ranges::any_of(rows, [&](const std::string& row) {
        return row.substr(0, row.find(" |", 2)).find(name) != std::string::npos && row.find(cell) != std::string::npos;
      });
      EXPECT_TRUE(found) << edition.name << ": " << cell;
    }
  }
}

TEST_F(GameData, CodeIsWrittenAsTheResearchWritesIt) {
  const std::string notes = ReadData("item-table-code.md");
  for (const std::string_view code : {ItemAttributeCode, ItemUseCode, NameListCode}) {
    EXPECT_NE(notes.find("    " + std::string(code) + "\n"), std::string::npos) << code;
  }
}

TEST_F(GameData, HeldEffectsAreTheResearchEffects) {
  const auto rows = Rows("held-effects.tsv");
  ASSERT_EQ(rows.size(), HeldEffectTable.size());
  for (size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(std::stoi(rows[i][0], nullptr, 16), HeldEffectTable[i].byte);
    EXPECT_EQ(rows[i][1], HeldEffectTable[i].name);
    EXPECT_EQ(rows[i].size() > 2 ? rows[i][2] : "", HeldEffectTable[i].heldBy);
  }
}

TEST_F(GameData, ItemRoutinesAreTheResearchRoutines) {
  const auto rows = Rows("item-routines.tsv");
  ASSERT_EQ(rows.size(), ItemRoutineTable.size());
  for (size_t i = 0; i < rows.size(); ++i) {
    const ItemRoutineFact& fact = ItemRoutineTable[i];
    EXPECT_EQ(rows[i][0], fact.edition);
    EXPECT_EQ(rows[i][1], fact.routine);
    EXPECT_EQ(std::stoi(rows[i][2], nullptr, 16), fact.address);
    // The entry as the file stores it: low byte first.
    EXPECT_EQ(std::stoi(rows[i][3], nullptr, 16), (fact.address & 0xFF) << 8 | fact.address >> 8);
    EXPECT_EQ(rows[i][4], fact.items);
  }
}

TEST_F(GameData, FieldNamesAreTheResearchNames) {
  const std::string notes = ReadData("item-field-names.md");
  char hex[8];
  for (const NamedByteFact& flag : UseFlagTable) {
    std::snprintf(hex, sizeof hex, "0x%02X", flag.value);
    EXPECT_NE(notes.find(std::string(hex) + " `" + std::string(flag.name) + "`"), std::string::npos) << flag.name;
  }
  EXPECT_NE(notes.find("0x00 is `" + std::string(NoUseFlags.name) + "`"), std::string::npos);
  for (const NamedByteFact& action : MenuActionTable) {
    std::snprintf(hex, sizeof hex, "%X", action.value);
    EXPECT_NE(notes.find(std::string(hex) + " `" + std::string(action.name) + "`"), std::string::npos) << action.name;
  }
}

}  // namespace
