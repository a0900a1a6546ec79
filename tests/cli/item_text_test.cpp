#include "cli/item_text.h"
#include "items/item_names.h"

#include <gtest/gtest.h>

namespace {

TEST(ItemText, ShowsTheFieldsUnderTheWindowsCaptions) {
  const ItemRecord potion{300, 0x00, 0x14, 0x80, 1, 0x40, 0x6EC5, "POTION", "Restores POKéMON\nHP by 20."};
  EXPECT_EQ(FormatItem(18, "Potion", potion),
            "Item 18: Potion\n"
            "Price        300\n"
            "Effect       00\n"
            "Var.         14\n"
            "Use          80  can't toss\n"
            "Pocket       Item (1)\n"
            "Type         40  field menu 4 (current), battle menu 0 (no use)\n"
            "ASM Pointer  C56E\n"
            "Description  Restores POKéMON\n"
            "             HP by 20.\n");
  const ItemRecord mail{50, 0x00, 0x00, 0xC1, 7, 0x09, std::nullopt, std::nullopt, std::nullopt};
  EXPECT_EQ(FormatItem(181, ItemNames[181], mail),
            "Item 181: Surf Mail\n"
            "Price        50\n"
            "Effect       00\n"
            "Var.         00\n"
            "Use          C1  can't select, can't toss\n"
            "Pocket       7 (no pocket)\n"
            "Type         09  field menu 0 (no use), battle menu 9 (undefined)\n"
            "ASM Pointer  none (only items 1 to 179 have one)\n"
            "Description  cannot be read in this ROM\n"
            "Warning: Use bits 0 to 5 are never used by the games, yet some are set.\n"
            "Warning: Pocket 7 is no pocket in the bag.\n"
            "Warning: The battle menu value 9 is not defined: the game jumps past its table of menu actions.\n");
}

}  // namespace
