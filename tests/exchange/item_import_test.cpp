#include "exchange/item_import.h"
#include "items/item_names.h"

#include <gtest/gtest.h>

#include <random>

#include "items/refusal.h"
#include "exchange/item_export.h"
#include "items/edition_table.h"

namespace {

using Given = std::array<std::optional<uint16_t>, AllFields.size()>;

// All 255 items with repeatable made-up values.
std::vector<ItemRow> MadeUpRows(uint32_t seed) {
  std::mt19937 random(seed);
  auto byte = [&] { return static_cast<uint8_t>(random()); };
  std::vector<ItemRow> rows;
  for (int item = 1; item <= LastItem; ++item) {
    ItemRecord record{static_cast<uint16_t>(random()), byte(), byte(), byte(), byte(), byte(), std::nullopt, {}, {}};
    const auto routine = static_cast<uint16_t>(random());
    if (HasAsmEntry(item)) record.routine = routine;
    // Quotes, commas and line breaks in the cells too.
    if (item <= 190) record.description = "Text, \"" + std::to_string(random()) + (item % 2 ? "\"\nline 2" : "");
    rows.push_back({item, std::string(ItemNames[static_cast<size_t>(item)]), record, {}});
  }
  return rows;
}

Given AsGiven(const ItemRecord& record) {
  Given given;
  for (Field field : AllFields) given[static_cast<size_t>(field)] = FieldValue(record, field);
  return given;
}

// Also after an editor has put a byte order mark in front.
TEST(ItemImport, ReadsBackWhatEitherExportWrote) {
  const auto rows = MadeUpRows(3);
  const Edition& silver = EditionTable[1];
  for (const std::string& exported : {ExportCsv(rows, silver), ExportJson(rows, silver)}) {
    for (const std::string& text : {exported, "\xEF\xBB\xBF" + exported}) {
      const ImportFile file = ParseImport(text, "items", ItemNames);
      EXPECT_TRUE(file.problems.empty()) << file.problems.front();
      ASSERT_EQ(file.rows.size(), rows.size());
      for (size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(file.rows[i].item, rows[i].item);
        EXPECT_EQ(file.rows[i].given, AsGiven(rows[i].record)) << rows[i].item;
        EXPECT_EQ(file.rows[i].description, rows[i].record.description);
        EXPECT_EQ(file.rows[i].name, std::nullopt);
        EXPECT_EQ(file.rows[i].edition, &silver);
      }
    }
  }
}

TEST(ItemImport, TakesOnlyTheColumnsAndRowsGiven) {
  // An empty cell keeps its field, as a missing column or a null does.
  const std::string csv = "pocket,index,price,effect,edition\nkey,18,,,\n3,5,,,\n";
  const std::string json = R"([{"pocket": "key", "index": 18}, {"index": 5, "pocket": 3, "asm": null, "price": null}])";
  for (const std::string& text : {csv, json}) {
    const ImportFile file = ParseImport(text, "items", ItemNames);
    ASSERT_TRUE(file.problems.empty()) << file.problems.front();
    ASSERT_EQ(file.rows.size(), 2u);
    EXPECT_EQ(file.rows[0].item, 18);
    EXPECT_EQ(file.rows[1].item, 5);
    EXPECT_EQ(file.rows[0].edition, nullptr);
    Given pocketOnly;
    pocketOnly[static_cast<size_t>(Field::Pocket)] = 2;
    EXPECT_EQ(file.rows[0].given, pocketOnly);
    pocketOnly[static_cast<size_t>(Field::Pocket)] = 3;
    EXPECT_EQ(file.rows[1].given, pocketOnly);
  }
  EXPECT_TRUE(ParseImport("index,price\n", "items", ItemNames).rows.empty());
}

TEST(ItemImport, NamesEveryBadRowAndColumn) {
  const struct {
    std::string text;
    std::vector<std::string> problems;
  } cases[] = {
      {"index,colour,price,price\n",
       {"\"f\" line 1: there is no column \"colour\".", "\"f\" line 1: the column \"price\" stands twice."}},
      {"name,price\nPotion,3\n", {"\"f\" line 1: the header has no \"index\" column."}},
      {"index,name,pocket,asm\n"
       "18,Potion,1,\n"
       "0,Nothing,1,\n"
       "18,Potion,1,\n"
       "19,Potion,1,\n"
       "20,Repel,Bag,\n"
       "181,Surf Mail,1,1234\n"
       "22,Fire Stone\n"
       "23,Thunderstone,1,,\n",
       {"\"f\" line 3: index \"0\" is not an item number from 1 to 255.",
        "\"f\" line 4: item 18 (Potion) is given a second time.",
        "\"f\" line 5: name \"Potion\" is not the name of item 19 (Escape Rope).",
        "\"f\" line 6, pocket: there is no pocket \"Bag\"; give a number from 0 to 255 or one of (None), Item, "
        "Key, Ball, TM/HM.",
        "\"f\" line 7, asm: item 181 (Surf Mail) has no ASM pointer; leave it empty.",
        "\"f\" line 8: 2 fields where the header has 4.", "\"f\" line 9: 5 fields where the header has 4."}},
      {"index,price,effect,asm\n18,70000,XY,12345\n",
       {"\"f\" line 2, price: Price: enter a whole number from -32768 to 65535.",
        "\"f\" line 2, effect: Effect: enter one or two hexadecimal digits (00 to FF), or leave it empty.",
        "\"f\" line 2, asm: ASM Pointer: enter one to four hexadecimal digits (0000 to FFFF), or leave it empty."}},
      {R"({"index": 1})", {"\"f\": the file must hold an array of items, at least one."}},
      {R"([{"index": 1, "price": 1.5, "effect": 10, "size": 3}, {"index": -2}, [], {"index": 256}])",
       // Keys are read in alphabetical order.
       {"\"f\" entry 1: \"effect\" must be a string.", "\"f\" entry 1: \"price\" must be a whole number or a string.",
        "\"f\" entry 1: there is no key \"size\".", "\"f\" entry 2: \"index\" must be an item number from 1 to 255.",
        "\"f\" entry 3: an entry must be an object.",
        "\"f\" entry 4: index \"256\" is not an item number from 1 to 255."}},
      {R"([{"index": 1}, {"index": 2, "price": 1, "price": 2}])",
       {"\"f\" entry 2: the key \"price\" stands twice in one object."}},
      {"", {"\"f\": the file is empty; it needs a header row that names the columns, such as \"index,price\"."}},
      {"\r\n\n", {"\"f\": the file is empty; it needs a header row that names the columns, such as \"index,price\"."}},
      {" [ ] ", {"\"f\": the file must hold an array of items, at least one."}},
      {"index,name\n5,POKÉ BALL\n6,Poke\xCC\x81 Ball\n7,Pok\xE9\n",
       {"\"f\" line 3: name \"Poke\xCC\x81 Ball\" is not the name of item 6 (Teru-Sama).",
        "\"f\" line 4, name: the name is not UTF-8 text. Save the file as UTF-8 (in a spreadsheet, as \"CSV "
        "UTF-8\") and import it again."}},
      {"index,edition\n1,Gold\n",
       {"\"f\" line 2, edition: there is no edition \"Gold\"; give gold, silver or crystal."}},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseImport(c.text, "f", ItemNames).problems, c.problems) << c.text;
}

// A spreadsheet saved on Windows breaks a cell's line with CRLF too.
TEST(ItemImport, ACrlfInADescriptionIsOneLineBreak) {
  const ImportFile file = ParseImport("index,description\r\n1,\"The best\r\nBALL.\"\r\n2,x\r\n", "f", ItemNames);
  ASSERT_TRUE(file.problems.empty()) << file.problems.front();
  ASSERT_EQ(file.rows.size(), 2u);
  EXPECT_EQ(file.rows[0].description, "The best\nBALL.");
  EXPECT_EQ(file.rows[1].where, "line 4");
}

TEST(ItemImport, TheNameColumnTakesTheRomsOwnSpelling) {
  const auto& clean = *EditionTable[0].texts.cleanItemNames;
  std::vector<std::string_view> spellings{""};
  spellings.insert(spellings.end(), clean.begin(), clean.end());
  const ImportFile file = ParseImport("index,name,price\n5,POK\xC3\xA9 BALL,1\n", "f", ItemNames, spellings);
  EXPECT_TRUE(file.problems.empty()) << file.problems.front();
}

TEST(ItemImport, PointersComeOnlyFromTheRomsEdition) {
  const Edition& gold = EditionTable[0];
  const Edition& crystal = EditionTable[2];
  const std::string text = "index,price,asm,edition\n1,5,1234,gold\n2,6,1234,crystal\n3,7,1234,\n4,8,,\n";
  const auto fromCrystal = [](const std::string& where) {
    return "\"f\" " + where +
           " comes from Pokémon Crystal Version, the ROM is Pokémon Gold Version; give "
           "--across-editions to import it without its ASM pointer.";
  };
  const std::string unnamed =
      "\"f\": 1 row gives an ASM pointer without the edition it comes from (line 4); pointers are addresses in "
      "one edition's code. Give --edition with the edition the file was exported from (gold, silver or crystal), "
      "or --across-editions to import the rows without their pointers.";
  const struct {
    EditionChoice choice;
    std::vector<std::string> problems;
    std::array<bool, 4> keepsPointer;
  } cases[] = {
      {{}, {fromCrystal("line 3: item 2 (Ultra Ball)"), unnamed}, {}},
      {{&gold, false}, {fromCrystal("line 3: item 2 (Ultra Ball)")}, {}},
      {{&crystal, false},
       {fromCrystal("line 3: item 2 (Ultra Ball)"), fromCrystal("line 4: item 3 (Bright Powder)"),
        fromCrystal("line 5: item 4 (Great Ball)")},
       {}},
      {{nullptr, true}, {}, {true, false, false, false}},
      {{&gold, true}, {}, {true, false, true, false}},
  };
  const auto pointer = static_cast<size_t>(Field::Asm);
  for (const auto& c : cases) {
    ImportFile file = ParseImport(text, "f", ItemNames);
    EXPECT_EQ(MatchEditions(file, "f", gold, c.choice, ItemNames), c.problems)
        << (c.choice.given ? c.choice.given->name : "none") << c.choice.acrossEditions;
    if (!c.problems.empty()) continue;
    for (size_t row = 0; row < c.keepsPointer.size(); ++row) {
      EXPECT_EQ(file.rows[row].given[pointer].has_value(), c.keepsPointer[row]) << row;
      EXPECT_TRUE(file.rows[row].given[static_cast<size_t>(Field::Price)]);
    }
  }
}

TEST(ItemImport, AFileWithoutEditionsNamesItsRowsOnce) {
  ImportFile file = ParseImport("index,asm\n1,1234\n2,\n3,5678\n", "f", ItemNames);
  const auto problems = MatchEditions(file, "f", EditionTable[0], {}, ItemNames);
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_NE(problems[0].find("\"f\": 2 rows give an ASM pointer without the edition it comes from (line 2 first)"),
            std::string::npos)
      << problems[0];
  EXPECT_THROW(EditionOption("Gold"), Refused);
  EXPECT_EQ(EditionOption("silver"), &EditionTable[1]);
}

TEST(ItemImport, UnreadableFilesStopAtOnce) {
  EXPECT_THROW(ParseImport("[{\"index\": 1", "f", ItemNames), Refused);
  EXPECT_THROW(ParseImport("index\n\"1\n", "f", ItemNames), Refused);
  // Found by fuzzing: a number past what a double holds.
  try {
    ParseImport(R"([{"index": 1e99999}])", "f", ItemNames);
    ADD_FAILURE() << "an overflowing number was accepted";
  } catch (const Refused& error) {
    EXPECT_EQ(KindOf(error.Why()), RefusalKind::Input);
    EXPECT_STREQ(error.what(), "\"f\" holds a number too large to read.");
  }
}

}  // namespace
