#include "cli/item_text.h"

#include <gtest/gtest.h>

#include <array>

namespace {

TEST(ItemText, UseFlags) {
  EXPECT_EQ(PropertyMeaning(0x00), "no flags");
  EXPECT_EQ(PropertyMeaning(0x40), "can't select");
  EXPECT_EQ(PropertyMeaning(0x80), "can't toss");
  EXPECT_EQ(PropertyMeaning(0xFF), "can't select, can't toss");
  EXPECT_EQ(PropertyMeaning(0x3F), "no flags");
}

TEST(ItemText, MenuHalves) {
  EXPECT_EQ(MenuMeaning(0x40), "field menu 4 (current), battle menu 0 (no use)");
  EXPECT_EQ(MenuMeaning(0x56), "field menu 5 (party), battle menu 6 (close)");
  EXPECT_EQ(MenuMeaning(0x3F), "field menu 3 (no use), battle menu 15 (undefined)");
}

TEST(ItemText, Pockets) {
  EXPECT_EQ(PocketText(0), "(None) (0)");
  EXPECT_EQ(PocketText(4), "TM/HM (4)");
  EXPECT_EQ(PocketText(5), "5 (no pocket)");
}

// Values the games define raise nothing; each undefined part of a byte
// raises exactly one warning.
TEST(ItemText, WarnsOncePerUndefinedValue) {
  const uint8_t definedHalves[] = {0, 4, 5, 6};
  for (uint8_t property : std::array<uint8_t, 4>{0x00, 0x40, 0x80, 0xC0}) {
    for (int pocket = 1; pocket <= 4; ++pocket) {
      for (uint8_t field : definedHalves) {
        for (uint8_t battle : definedHalves) {
          EXPECT_TRUE(Warnings(property, pocket, static_cast<uint8_t>(field << 4 | battle)).empty());
        }
      }
    }
  }
  for (int bit = 0; bit < 6; ++bit) EXPECT_EQ(Warnings(static_cast<uint8_t>(1 << bit), 1, 0).size(), 1u);
  for (int pocket : {0, 5, 255}) EXPECT_EQ(Warnings(0, pocket, 0).size(), 1u) << pocket;
  for (uint8_t half = 1; half < 16; ++half) {
    const size_t expected = half >= 4 && half <= 6 ? 0 : 1;
    EXPECT_EQ(Warnings(0, 1, static_cast<uint8_t>(half << 4)).size(), expected) << int{half};
    EXPECT_EQ(Warnings(0, 1, half).size(), expected) << int{half};
  }
  EXPECT_EQ(Warnings(0x01, 0, 0x97).size(), 4u);
}

TEST(ItemText, ShowsTheFieldsUnderTheWindowsCaptions) {
  const ItemFields potion{"300", "00", "14", "80", 1, "40", "C56E"};
  EXPECT_EQ(FormatItem(18, potion),
            "Item 18: Potion\n"
            "Price        300\n"
            "Effect       00\n"
            "Var.         14\n"
            "Use          80  can't toss\n"
            "Pocket       Item (1)\n"
            "Type         40  field menu 4 (current), battle menu 0 (no use)\n"
            "ASM Pointer  C56E\n");
  const ItemFields mail{"50", "00", "00", "C1", 7, "09", "1234"};
  EXPECT_EQ(FormatItem(181, mail),
            "Item 181: Surf Mail\n"
            "Price        50\n"
            "Effect       00\n"
            "Var.         00\n"
            "Use          C1  can't select, can't toss\n"
            "Pocket       7 (no pocket)\n"
            "Type         09  field menu 0 (no use), battle menu 9 (undefined)\n"
            "ASM Pointer  none (only items 1 to 179 have one)\n"
            "Warning: Use bits 0 to 5 are never used by the games, yet some are set.\n"
            "Warning: Pocket 7 is no pocket in the bag.\n"
            "Warning: The battle menu value 9 is not defined: the game jumps past its table of menu actions.\n");
}

}  // namespace
