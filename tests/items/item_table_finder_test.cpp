#include "items/item_table_finder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "items/item_name_list.h"
#include "rom_builder.h"

namespace {

const Edition& Gold = EditionTable[0];
const Edition& Crystal = EditionTable[2];

ItemTables Find(const RomBuilder& rom) { return FindItemTables(rom.Bytes()); }

// A Gold image with `length` bytes of its code at `from` copied to `to` as well.
RomBuilder WithCodeCopied(size_t from, size_t length, size_t to) {
  RomBuilder rom = RomBuilder().WithEdition(Gold);
  const std::vector<uint8_t> bytes = rom.Bytes();
  for (size_t i = 0; i < length; ++i) rom.WithByte(to + i, bytes[from + i]);
  return rom;
}

TEST(ItemTableFinder, TheCleanGamesCodeLeadsToTheEditionTablesPlaces) {
  for (const Edition& edition : EditionTable) {
    const ItemTables tables = Find(RomBuilder().WithEdition(edition));
    EXPECT_EQ(tables.items, edition.itemTableBase) << edition.name;
    EXPECT_EQ(tables.pointers, edition.asmTableBase) << edition.name;
  }
}

TEST(ItemTableFinder, FollowsTablesThatAHackMoved) {
  const struct {
    int32_t items, pointers;
  } moves[] = {
      {0x68A5, 0xE7C0},    // code added ahead of the attribute table
      {0x4C000, 0xE7C0},   // the attribute table in another bank
      {0x68A0, 0xEA00},    // the pointer table further on in its bank
      {0x1F0000, 0xC010},  // both
      {0x7FFF - 255 * 7 + 1, 0xFFFF - 179 * 2 + 1},  // each ending on its bank's last byte
  };
  for (const auto& move : moves) {
    const auto rom =
        RomBuilder().WithEdition(Gold).WithItemTableAt(Gold, move.items).WithPointerTableAt(Gold, move.pointers);
    EXPECT_EQ(Find(rom), (ItemTables{move.items, move.pointers, TableMiss::None, TableMiss::None}))
        << std::hex << move.items << " " << move.pointers;
  }
}

TEST(ItemTableFinder, FindsNoTableWhereTheCodeDoesNotLeadToOneForSure) {
  const auto places = CleanTableCodePlaces(Gold);
  constexpr TableMiss found = TableMiss::None, changed = TableMiss::CodeChanged, twice = TableMiss::CodeRepeated;
  const struct {
    std::string_view why;
    RomBuilder rom;
    TableMiss items, pointers;
  } cases[] = {
      {"the attribute code twice", WithCodeCopied(places.attributeCode, 26, 0x20000), twice, found},
      {"the item-use code twice", WithCodeCopied(places.itemUseCode, 14, 0xF000), found, twice},
      {"the routine changed by one byte", RomBuilder().WithEdition(Gold).WithByte(places.attributeCode + 5, 0x4E),
       changed, found},
      {"the item-use routine changed by one byte",
       RomBuilder().WithEdition(Gold).WithByte(places.itemUseCode + 12, 0xE9), found, changed},
      {"a table across a bank's end", RomBuilder().WithEdition(Gold).WithItemTableAt(Gold, 0x8000 - 255 * 7 + 1),
       changed, found},
      {"a table past the file's end", RomBuilder(0x40000).WithEdition(Gold).WithItemTableAt(Gold, 0x44000), changed,
       found},
      {"bank 0 with a switched-bank address", RomBuilder().WithEdition(Gold).WithByte(places.attributeCode + 24, 0),
       changed, found},
      {"an address outside the cartridge", RomBuilder().WithEdition(Gold).WithByte(places.itemUseCode + 11, 0xE7),
       found, changed},
      {"no code at all", RomBuilder().WithEditionByte(0x47).WithGameCode("AAUE"), changed, changed},
  };
  for (const auto& c : cases) {
    const ItemTables tables = Find(c.rom);
    EXPECT_EQ(tables.items.has_value(), c.items == found) << c.why;
    EXPECT_EQ(tables.pointers.has_value(), c.pointers == found) << c.why;
    EXPECT_EQ(tables.itemsMiss, c.items) << c.why;
    EXPECT_EQ(tables.pointersMiss, c.pointers) << c.why;
  }
}

TEST(ItemNameList, TakesTheNamesThatARomGaveItsItems) {
  std::vector<std::string> names = CleanRomItemNames(Gold);
  names[0] = "SHINY CHARM";
  names[69] = "CLEAR BELL";  // an unused slot in Gold
  const ItemNameList list(Gold, RomBuilder().WithEdition(Gold).WithItemNames(Gold, names).Bytes());
  EXPECT_EQ(list[1], "SHINY CHARM");
  EXPECT_EQ(list[70], "CLEAR BELL");
  EXPECT_EQ(list[2], "Ultra Ball");
  EXPECT_EQ(list[5], "Poké Ball");
  for (const Edition& edition : EditionTable) {
    EXPECT_EQ(ItemNameList(edition, RomBuilder().WithEdition(edition).Bytes()).Views(), ItemNameList().Views()) << edition.name;
  }
}

TEST(ItemNameList, KeepsTheBuiltInNamesWhereTheRomsListCannotBeRead) {
  std::vector<std::string> tooLong = CleanRomItemNames(Crystal);
  tooLong[254] = "THIRTEEN BYTE";
  const auto places = CleanTableCodePlaces(Crystal);
  const RomBuilder roms[] = {
      RomBuilder().WithEdition(Crystal).WithItemNames(Crystal, tooLong),
      RomBuilder().WithEdition(Crystal).WithByte(places.nameListCode + 8, 0x09),
      RomBuilder().WithEdition(Crystal).WithByte(places.nameLists + 9, 0x00),
      RomBuilder(0x100000).WithEdition(Crystal),
  };
  for (const RomBuilder& rom : roms) EXPECT_EQ(ItemNameList(Crystal, rom.Bytes()).Views(), ItemNameList().Views());
}

// The game reads the list with one bank switched in: a list whose last name
// ends on the bank's last byte is read, one that ends a byte later is not.
TEST(ItemNameList, TakesNoListThatRunsPastItsBank) {
  const auto lists = CleanTableCodePlaces(Gold).nameLists;
  constexpr int64_t bank = 0x6C, listSize = 2 * LastItem;  // "A" and its end, 255 times
  for (const int64_t past : {0, 1}) {
    const int64_t start = (bank + 1) * BankSize - listSize + past;
    const auto address = static_cast<uint16_t>(BankSize + start % BankSize);
    RomBuilder rom = RomBuilder().WithEdition(Gold);
    rom.WithByte(lists + 9, bank).WithByte(lists + 10, static_cast<uint8_t>(address & 0xFF));
    rom.WithByte(lists + 11, static_cast<uint8_t>(address >> 8));
    for (size_t at = static_cast<size_t>(start); at < static_cast<size_t>(start + listSize); at += 2) {
      rom.WithByte(at, 0x80).WithByte(at + 1, 0x50);
    }
    EXPECT_EQ(ItemNameList(Gold, rom.Bytes())[1], past == 0 ? "A" : "Master Ball") << past;
  }
}

TEST(ItemNameList, ShowsBytesOutsideTheTextTableInHex) {
  const auto names = CleanTableCodePlaces(Gold).names;
  const ItemNameList list(Gold, RomBuilder().WithEdition(Gold).WithByte(names, 0x01).WithByte(names + 1, 0xE4).Bytes());
  EXPECT_EQ(list[1], "<01><E4>STER BALL");
}
}  // namespace
