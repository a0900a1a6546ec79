#include "items/routine_names.h"

#include <gtest/gtest.h>

#include <sstream>

#include "items/item_image.h"
#include "items/item_routine_table.h"
#include "rom_builder.h"

namespace {

const Edition& Gold = EditionTable[0];

// A Gold image whose table of item-use routines is the clean game's.
RomBuilder CleanRoutines() {
  RomBuilder rom;
  rom.WithEdition(Gold);
  for (const ItemRoutineFact& fact : ItemRoutineTable) {
    if (fact.edition != "Gold") continue;
    std::istringstream items{std::string(fact.items)};
    for (int item = 0; items >> item;) {
      rom.WithAsmEntry(Gold, item, static_cast<uint8_t>(fact.address & 0xFF), static_cast<uint8_t>(fact.address >> 8));
    }
  }
  return rom;
}

RoutineNames NamesOf(const RomBuilder& rom, const SymbolFileText& symbols = {}) {
  const ItemImage image(Image(rom.Bytes()));
  return RoutineNames(image.Bytes(), image.RomEdition(), image.Tables(), symbols);
}

const std::string GoldTables = "; the clean game's tables\n01:68a0 ItemAttributes\n03:67C0 ItemEffects\n";

TEST(RoutineNames, TheReleaseNamesItsOwnRoutines) {
  const RoutineNames names = NamesOf(CleanRoutines());
  EXPECT_EQ(names.From(), RoutineNames::Source::Release);
  EXPECT_EQ(names.NameOf(0x2669), "PokeBallEffect");
  EXPECT_EQ(names.Choices().Parse("pokeballeffect"), 0x2669);
}

// A routine the release does not have leaves the whole table unnamed,
// unless a symbol file of the ROM names it.
TEST(RoutineNames, ASymbolFileOfTheRomNamesAMovedRoutine) {
  RomBuilder rom = CleanRoutines();
  rom.WithAsmEntry(Gold, 1, 0xBC, 0x7A);
  EXPECT_EQ(NamesOf(rom).From(), RoutineNames::Source::None);
  const RoutineNames names =
      NamesOf(rom, {"hack.sym", GoldTables + "03:7ABC MasterBallEffect\n03:7ABC Alias\n03:7ABC MasterBallEffect.loop\n", {}});
  EXPECT_EQ(names.From(), RoutineNames::Source::SymbolFile);
  EXPECT_EQ(names.NameOf(0xBC7A), "MasterBallEffect");
  EXPECT_EQ(names.SourceText(), "the symbol file \"hack.sym\"");
}

TEST(RoutineNames, ASymbolFileOfAnotherRomIsIgnoredWithItsReason) {
  RomBuilder rom = CleanRoutines();
  rom.WithAsmEntry(Gold, 1, 0xBC, 0x7A);
  const RoutineNames names = NamesOf(rom, {"other.sym", "03:67C2 ItemEffects\n03:7ABC MasterBallEffect\n", {}});
  EXPECT_EQ(names.From(), RoutineNames::Source::None);
  EXPECT_EQ(names.NameOf(0xBC7A), std::nullopt);
  EXPECT_EQ(names.SymbolFileNote(),
            "the symbol file \"other.sym\" is ignored: its ItemEffects stands at 03:67C2, but the ROM's table of "
            "item-use routines is at 03:67C0");
}

}  // namespace
