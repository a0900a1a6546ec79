#include "items/rom_item_editor.h"

#include <gtest/gtest.h>

#include "rom_builder.h"
#include "rom_io/hex_functions.h"

namespace {

const Edition& Gold = EditionTable[0];
const Edition& Silver = EditionTable[1];
const Edition& Crystal = EditionTable[2];

class RomItemEditorTest : public ::testing::Test {
 protected:
  std::string Write(const RomBuilder& rom, std::string_view name = "rom.gbc") {
    const auto path = dir_.Path(name);
    rom.WriteTo(path);
    return path.string();
  }
  std::string GoldRom() {
    return Write(RomBuilder()
                     .WithEdition(Gold)
                     .WithRecord(Gold, 1, {0xE8, 0x03, 0x0A, 0x1B, 0x2C, 0x03, 0x4D})
                     .WithAsmEntry(Gold, 1, 0xC5, 0x6E));
  }

  TempDir dir_;
  RomItemEditor editor_;
};

TEST_F(RomItemEditorTest, StartsWithNothingOpen) {
  EXPECT_EQ(editor_.RomPath(), "");
  EXPECT_EQ(editor_.VersionByte(), "");
  EXPECT_EQ(editor_.ItemTableBase(), 0);
  EXPECT_EQ(editor_.AsmTableBase(), 0);
  EXPECT_EQ(editor_.ItemIndexText(), "");
}

TEST_F(RomItemEditorTest, OpenRecognisesEachEdition) {
  for (const Edition& edition : EditionTable) {
    const auto path = Write(RomBuilder().WithEdition(edition), edition.gameCodes[0]);
    const auto result = editor_.OpenRom(path);
    EXPECT_EQ(result.label, edition.label);
    EXPECT_TRUE(result.enableFrames);
    EXPECT_EQ(editor_.VersionByte(), edition.byte);
    EXPECT_EQ(editor_.ItemTableBase(), edition.itemTableBase);
    EXPECT_EQ(editor_.AsmTableBase(), edition.asmTableBase);
    EXPECT_EQ(editor_.RomPath(), path);
  }
  EXPECT_EQ(editor_.OpenRom(Write(RomBuilder().WithEdition(Crystal).WithGameCode("BYTU"))).label,
            "Pokémon Crystal Version");
}

TEST_F(RomItemEditorTest, OpensAHackWithItsOwnTitleOrGameCodeAndSaysWhichFieldIsNotTheReleases) {
  const struct {
    RomBuilder rom;
    const Edition& edition;
    std::string_view note;
  } hacks[] = {
      {RomBuilder().WithEdition(Crystal).WithGameCode("KAPE"), Crystal,
       "the game code is not the release's; the title names Pokémon Crystal Version"},
      {RomBuilder().WithEdition(Gold).WithEditionByte(0x52), Gold,
       "the title is not the release's; the game code AAUE names Pokémon Gold Version"},
  };
  for (const auto& hack : hacks) {
    const auto opened = editor_.OpenRom(Write(hack.rom));
    EXPECT_EQ(opened.label, hack.edition.label);
    EXPECT_EQ(opened.headerNote, hack.note);
    EXPECT_EQ(opened.problem, EditorProblem::None);
    EXPECT_TRUE(editor_.LoadItem(1).fields) << hack.edition.name;
  }
  const auto refused = editor_.OpenRom(Write(RomBuilder().WithEdition(Gold).WithGameCode("AAUJ")));
  EXPECT_EQ(refused.label, "Unsupported Rom");
  EXPECT_EQ(refused.headerNote, "the game code AAUJ is the Japanese release's, whose text is encoded differently");
  EXPECT_EQ(refused.message, "");
}

TEST_F(RomItemEditorTest, UnsupportedOpenKeepsTheBasesAndTakesThePath) {
  editor_.OpenRom(GoldRom());
  const struct {
    RomBuilder rom;
    std::string_view name;
  } others[] = {
      {RomBuilder().WithEditionByte(0x61), "a.gbc"},
      {RomBuilder().WithEdition(Silver).WithGameCode("AAUE"), "two editions.gbc"},
      {RomBuilder().WithEdition(Gold).WithGameCode("AAUJ"), "japanese.gbc"},
      {RomBuilder(0x100), "short.gbc"},
  };
  for (const auto& other : others) {
    const auto path = Write(other.rom, other.name);
    const auto result = editor_.OpenRom(path);
    EXPECT_EQ(result.label, "Unsupported Rom") << other.name;
    EXPECT_FALSE(result.enableFrames);
    EXPECT_EQ(editor_.RomPath(), path);
    EXPECT_EQ(editor_.ItemTableBase(), Gold.itemTableBase);
    EXPECT_EQ(editor_.AsmTableBase(), Gold.asmTableBase);
  }
  const auto cancelled = editor_.OpenRom("");
  EXPECT_EQ(cancelled.label, "Unsupported Rom");
  EXPECT_EQ(editor_.RomPath(), "");
  EXPECT_EQ(editor_.VersionByte(), "00");
}

TEST_F(RomItemEditorTest, LoadReadsTheRecordAndPointer) {
  editor_.OpenRom(GoldRom());
  const auto result = editor_.LoadItem(1);
  ASSERT_TRUE(result.fields);
  EXPECT_EQ(*result.fields, (ItemFields{"1000", "0A", "1B", "2C", 3, "4D", "C56E"}));
  EXPECT_TRUE(result.enableAsmFrame);
  EXPECT_EQ(editor_.ItemIndexText(), "1");
}

TEST_F(RomItemEditorTest, LoadShowsPricesAsTheGameReadsThem) {
  const std::pair<std::array<uint8_t, 2>, std::string> cases[] = {
      {{0xE8, 0x03}, "1000"}, {{0xFF, 0x7F}, "32767"}, {{0x00, 0x80}, "32768"}, {{0x99, 0x99}, "39321"},
      {{0xFF, 0xFF}, "65535"},
  };
  for (const auto& [price, text] : cases) {
    editor_.OpenRom(Write(RomBuilder().WithEdition(Gold).WithRecord(Gold, 2, {price[0], price[1], 0, 0, 0, 1, 0})));
    EXPECT_EQ(editor_.LoadItem(2).fields->Price, text);
  }
}

TEST_F(RomItemEditorTest, AsmFrameFollowsThePointerTable) {
  editor_.OpenRom(GoldRom());
  EXPECT_TRUE(editor_.LoadItem(179).enableAsmFrame);
  const auto above = editor_.LoadItem(180);
  EXPECT_FALSE(above.enableAsmFrame);
  // The field still shows the two bytes just past the table.
  EXPECT_EQ(above.fields->ASM, HexFunctions::ReadHexBytes(editor_.RomPath(), Gold.asmTableBase + 358, 2));
}

TEST_F(RomItemEditorTest, LoadGivesTheItemsDescriptionWhereTheGameShowsOne) {
  editor_.OpenRom(GoldRom());
  EXPECT_EQ(editor_.LoadItem(1).description, "The best BALL. It\nnever misses.");
  EXPECT_EQ(editor_.LoadItem(191).description, "");
  editor_.OpenRom(Write(RomBuilder().WithEdition(Gold).WithDescriptionCode(Gold, 0x30000)));
  EXPECT_EQ(editor_.LoadItem(1).description, "");
}

TEST_F(RomItemEditorTest, RefusedLoadsReadNothingAndSayWhy) {
  editor_.OpenRom(GoldRom());
  const struct {
    int16_t index;
    std::string message;
  } cases[] = {{0, "Cannot load Item 0"}, {-1, "Choose an item to load."}, {256, "Choose an item to load."}};
  for (const auto& c : cases) {
    const auto result = editor_.LoadItem(c.index);
    EXPECT_FALSE(result.fields);
    EXPECT_EQ(result.message, c.message);
    EXPECT_TRUE(result.enableAsmFrame == (c.index <= 179));
    EXPECT_EQ(editor_.ItemIndexText(), std::to_string(c.index));
  }
}

TEST_F(RomItemEditorTest, LoadKeepsPocketValuesBeyondTheList) {
  editor_.OpenRom(Write(RomBuilder().WithEdition(Gold).WithRecord(Gold, 9, {0, 0, 0, 0, 0, 0xC8, 0})));
  EXPECT_EQ(editor_.LoadItem(9).fields->Pocket, 200);
}

TEST_F(RomItemEditorTest, SaveWritesTheItemOfTheLastLoad) {
  const auto path = GoldRom();
  editor_.OpenRom(path);
  editor_.LoadItem(5);
  ItemFields fields{"1000", "a", "", "1ff", 3, "7", "12"};
  fields.Options = "ff";
  ASSERT_TRUE(editor_.SaveItem(fields).saved());
  const auto bytes = ReadFileBytes(path);
  const auto record = static_cast<size_t>(RecordAddress(Gold.itemTableBase, 5));
  EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + record, bytes.begin() + record + 7),
            (std::vector<uint8_t>{0xE8, 0x03, 0x0A, 0x00, 0xFF, 0x03, 0x07}));
  const auto entry = static_cast<size_t>(AsmEntryAddress(Gold.asmTableBase, 5));
  EXPECT_EQ(bytes[entry], 0x00);
  EXPECT_EQ(bytes[entry + 1], 0x12);
}

TEST_F(RomItemEditorTest, SaveOfNegativeAndLargePrices) {
  const auto path = GoldRom();
  editor_.OpenRom(path);
  const auto record = static_cast<size_t>(RecordAddress(Gold.itemTableBase, 3));
  for (const auto& [text, low, high] : {std::tuple{"-1", 0xFF, 0xFF}, {"65535", 0xFF, 0xFF}, {"-32768", 0x00, 0x80}}) {
    editor_.LoadItem(3);
    ASSERT_TRUE(editor_.SaveItem({text, "", "", "", 1, "", ""}).saved()) << text;
    const auto bytes = ReadFileBytes(path);
    EXPECT_EQ(bytes[record], low) << text;
    EXPECT_EQ(bytes[record + 1], high) << text;
  }
}

// Item 180 is the first without a pointer: the two bytes just past the
// table belong to something else.
TEST_F(RomItemEditorTest, SaveAboveTheTableLeavesThePointerBytesAlone) {
  const auto path = GoldRom();
  editor_.OpenRom(path);
  editor_.LoadItem(180);
  const auto before = ReadFileBytes(path);
  ASSERT_TRUE(editor_.SaveItem({"1", "1", "1", "1", 1, "1", "not even hex"}).saved());
  const auto changed = DifferingOffsets(before, ReadFileBytes(path));
  for (size_t offset : changed) {
    EXPECT_GE(offset, static_cast<size_t>(RecordAddress(Gold.itemTableBase, 180)));
    EXPECT_LT(offset, static_cast<size_t>(RecordAddress(Gold.itemTableBase, 181)));
  }
}

struct RefusalCase {
  std::string name;
  ItemFields fields;
  std::string message;
};

TEST_F(RomItemEditorTest, InvalidFieldsAreRefusedByName) {
  const ItemFields good{"100", "01", "02", "03", 1, "04", "0506"};
  auto with = [&](auto change) {
    ItemFields fields = good;
    change(fields);
    return fields;
  };
  const RefusalCase cases[] = {
      {"price", with([](ItemFields& f) { f.Price = "70000"; }), "Price: enter a whole number from -32768 to 65535."},
      {"blank price", with([](ItemFields& f) { f.Price = ""; }), "Price: enter a whole number from -32768 to 65535."},
      {"effect", with([](ItemFields& f) { f.Effect = "G1"; }), "Effect: enter one or two hexadecimal digits (00 to FF), or leave it empty."},
      {"var", with([](ItemFields& f) { f.Variable = "1FF"; }), "Var.: enter one or two hexadecimal digits (00 to FF), or leave it empty."},
      {"use", with([](ItemFields& f) { f.Options = "-1"; }), "Use: enter one or two hexadecimal digits (00 to FF), or leave it empty."},
      {"type", with([](ItemFields& f) { f.How = "zz"; }), "Type: enter one or two hexadecimal digits (00 to FF), or leave it empty."},
      {"asm", with([](ItemFields& f) { f.ASM = "12345"; }), "ASM Pointer: enter one to four hexadecimal digits (0000 to FFFF), or leave it empty."},
  };
  const auto path = GoldRom();
  editor_.OpenRom(path);
  editor_.LoadItem(7);
  const auto before = ReadFileBytes(path);
  for (const auto& c : cases) {
    const auto outcome = editor_.SaveItem(c.fields);
    EXPECT_EQ(outcome.kind, SaveOutcome::Kind::Refused) << c.name;
    EXPECT_EQ(outcome.message, c.message) << c.name;
    EXPECT_EQ(ReadFileBytes(path), before) << c.name;
  }
}

TEST_F(RomItemEditorTest, SaveWithNothingToWriteIsRefused) {
  const ItemFields fields{"1", "1", "1", "1", 1, "1", "1"};
  EXPECT_EQ(editor_.SaveItem(fields).message, "Load an item before saving.");
  const auto path = GoldRom();
  editor_.OpenRom(path);
  const auto before = ReadFileBytes(path);
  EXPECT_EQ(editor_.SaveItem(fields).message, "Load an item before saving.");
  for (int16_t refused : {int16_t{0}, int16_t{-1}}) {
    editor_.LoadItem(refused);
    EXPECT_EQ(editor_.SaveItem(fields).kind, SaveOutcome::Kind::Refused);
  }
  editor_.LoadItem(4);
  editor_.OpenRom(Write(RomBuilder().WithEditionByte(0x61), "other.gbc"));
  const auto outcome = editor_.SaveItem(fields);
  EXPECT_EQ(outcome.kind, SaveOutcome::Kind::Refused);
  EXPECT_EQ(outcome.message, "Cannot save: the open file is not a supported ROM.");
  EXPECT_EQ(ReadFileBytes(path), before);
}

// Items can be copied between two ROMs of one edition, never across editions:
// a pointer is an address in one edition's code.
TEST_F(RomItemEditorTest, SaveAfterOpeningAnotherRomNeedsItsEdition) {
  editor_.OpenRom(GoldRom());
  editor_.LoadItem(1);
  const ItemFields fields{"258", "01", "02", "03", 4, "05", "0607"};
  const auto silver = Write(RomBuilder().WithEdition(Silver), "silver.gbc");
  const auto before = ReadFileBytes(silver);
  editor_.OpenRom(silver);
  const auto refused = editor_.SaveItem(fields);
  EXPECT_EQ(refused.problem, EditorProblem::OtherEdition);
  EXPECT_EQ(ReadFileBytes(silver), before);

  const auto otherGold = Write(RomBuilder(RomBuilder::TwoMiB, 7).WithEdition(Gold), "copy.gbc");
  editor_.OpenRom(otherGold);
  ASSERT_TRUE(editor_.SaveItem(fields).saved());
  const auto bytes = ReadFileBytes(otherGold);
  EXPECT_EQ(bytes[static_cast<size_t>(Gold.itemTableBase)], 0x02);
  EXPECT_EQ(bytes[static_cast<size_t>(Gold.asmTableBase)], 0x06);
}

// Another program or window changed the item between this editor's Load and
// Save: writing every field would put its change back, so nothing is
// written. Each Save becomes the new starting point, and so does a Load.
TEST_F(RomItemEditorTest, SaveRefusesAnItemChangedInTheFileSinceItWasRead) {
  const auto path = GoldRom();
  editor_.OpenRom(path);
  editor_.LoadItem(1);
  ItemFields fields = *editor_.LoadItem(1).fields;
  fields.Effect = "AA";
  ASSERT_TRUE(editor_.SaveItem(fields).saved());
  ASSERT_TRUE(editor_.SaveItem(fields).saved());

  const int32_t record = Gold.itemTableBase;
  HexFunctions::WriteHexBytes(path, record, "6F00");                 // price 111, by someone else
  HexFunctions::WriteHexBytes(path, Gold.asmTableBase, "1234");      // and the pointer
  const auto before = ReadFileBytes(path);
  const auto refused = editor_.SaveItem(fields);
  EXPECT_EQ(refused.kind, SaveOutcome::Kind::Refused);
  EXPECT_EQ(refused.problem, EditorProblem::ChangedSinceLoad);
  EXPECT_NE(refused.message.find("(Price and ASM Pointer)"), std::string::npos) << refused.message;
  EXPECT_EQ(ReadFileBytes(path), before);

  fields = *editor_.LoadItem(1).fields;
  EXPECT_EQ(fields.Price, "111");
  EXPECT_TRUE(editor_.SaveItem(fields).saved());

  // Copied into another ROM of the edition, then into the first again: each
  // file is compared with what this editor last did there.
  const auto copy = Write(RomBuilder(RomBuilder::TwoMiB, 7).WithEdition(Gold), "copy.gbc");
  editor_.OpenRom(copy);
  ASSERT_TRUE(editor_.SaveItem(fields).saved());
  HexFunctions::WriteHexBytes(path, record, "0100");
  editor_.OpenRom(path);
  EXPECT_EQ(editor_.SaveItem(fields).problem, EditorProblem::ChangedSinceLoad);
}

}  // namespace

namespace {

// A ROM hack's layout: both tables moved, item 1 written where the code leads.
TEST_F(RomItemEditorTest, LoadsAndSavesWhereTheGamesCodeLeads) {
  const auto path = Write(RomBuilder()
                              .WithEdition(Gold)
                              .WithItemTableAt(Gold, 0x4C000)
                              .WithPointerTableAt(Gold, 0xEA00)
                              .WithRecord(Gold, 1, {0xE8, 0x03, 0x0A, 0x1B, 0x2C, 0x03, 0x4D})
                              .WithAsmEntry(Gold, 1, 0xC5, 0x6E));
  const auto opened = editor_.OpenRom(path);
  EXPECT_EQ(opened.message, "");
  EXPECT_EQ(opened.tablePlaces, (std::vector<TablePlace>{{"Item table", "0x4C000, moved from 0x68A0"},
                                                         {"ASM pointer table", "0xEA00, moved from 0xE7C0"}}));
  auto fields = *editor_.LoadItem(1).fields;
  EXPECT_EQ(fields, (ItemFields{"1000", "0A", "1B", "2C", 3, "4D", "C56E"}));
  const auto before = ReadFileBytes(path);
  fields.Price = "1";
  fields.ASM = "0000";
  ASSERT_TRUE(editor_.SaveItem(fields).saved());
  EXPECT_EQ(DifferingOffsets(before, ReadFileBytes(path)), (std::vector<size_t>{0xEA00, 0xEA01, 0x4C000, 0x4C001}));
}

// Each routine alone: the message names only the table it reads.
TEST_F(RomItemEditorTest, WithoutItsTablesNothingIsReadOrWritten) {
  const auto places = CleanTableCodePlaces(Gold);
  const struct {
    size_t changed;
    std::string table, name;
  } cases[] = {
      {places.attributeCode + 5, "Item table", "the item table"},
      {places.itemUseCode + 12, "ASM pointer table", "the ASM pointer table"},
  };
  for (const auto& c : cases) {
    const auto path = Write(RomBuilder().WithEdition(Gold).WithByte(c.changed, 0x4E));
    const auto before = ReadFileBytes(path);
    const auto opened = editor_.OpenRom(path);
    EXPECT_EQ(opened.label, Gold.label);
    EXPECT_EQ(opened.problem, EditorProblem::TablesNotFound);
    EXPECT_EQ(opened.message, "Kestrune cannot find " + c.name +
                                  " in this ROM: the game's code that reads it has been changed. Nothing was read "
                                  "or written.");
    EXPECT_EQ(opened.tablePlaces, (std::vector<TablePlace>{{c.table, "not found"}}));
    const auto loaded = editor_.LoadItem(1);
    EXPECT_FALSE(loaded.fields);
    EXPECT_EQ(loaded.message, opened.message);
    EXPECT_FALSE(editor_.SaveItem({"1", "00", "00", "00", 1, "00", "0000"}).saved());
    EXPECT_EQ(ReadFileBytes(path), before);
  }
}

}  // namespace
