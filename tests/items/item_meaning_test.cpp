#include "items/item_meaning.h"

#include <gtest/gtest.h>

#include <array>

namespace {

TEST(ItemMeaning, UseFlags) {
  EXPECT_EQ(UseMeaning(0x00), "None (NO_LIMITS)");
  EXPECT_EQ(UseMeaning(0x40), "Can't select (CANT_SELECT)");
  EXPECT_EQ(UseMeaning(0x80), "Can't toss (CANT_TOSS)");
  EXPECT_EQ(UseMeaning(0xFF), "Can't select, can't toss (CANT_SELECT | CANT_TOSS)");
  EXPECT_EQ(UseMeaning(0x3F), "None (NO_LIMITS)");
}

TEST(ItemMeaning, TypeHalves) {
  EXPECT_EQ(TypeMeaning(0x40), "field menu 4 (Current, ITEMMENU_CURRENT), battle menu 0 (No use, ITEMMENU_NOUSE)");
  EXPECT_EQ(TypeMeaning(0x56), "field menu 5 (Party, ITEMMENU_PARTY), battle menu 6 (Close, ITEMMENU_CLOSE)");
  EXPECT_EQ(TypeMeaning(0x3F), "field menu 3 (No use, not defined), battle menu F (undefined)");
}

TEST(ItemMeaning, Pockets) {
  EXPECT_EQ(PocketText(0), "(None) (0)");
  EXPECT_EQ(PocketText(4), "TM/HM (4)");
  EXPECT_EQ(PocketText(5), "5 (no pocket)");
}

// Values the games define raise nothing; each undefined part of a byte
// raises exactly one warning.
TEST(ItemMeaning, WarnsOncePerUndefinedValue) {
  const uint8_t definedHalves[] = {0, 4, 5, 6};
  for (uint8_t use : std::array<uint8_t, 4>{0x00, 0x40, 0x80, 0xC0}) {
    for (int pocket = 1; pocket <= 4; ++pocket) {
      for (uint8_t field : definedHalves) {
        for (uint8_t battle : definedHalves) {
          EXPECT_TRUE(ItemWarnings(use, pocket, static_cast<uint8_t>(field << 4 | battle)).empty());
        }
      }
    }
  }
  for (int bit = 0; bit < 6; ++bit) EXPECT_EQ(ItemWarnings(static_cast<uint8_t>(1 << bit), 1, 0).size(), 1u);
  for (int pocket : {0, 5, 255}) EXPECT_EQ(ItemWarnings(0, pocket, 0).size(), 1u) << pocket;
  for (uint8_t half = 1; half < 16; ++half) {
    const size_t expected = half >= 4 && half <= 6 ? 0 : 1;
    EXPECT_EQ(ItemWarnings(0, 1, static_cast<uint8_t>(half << 4)).size(), expected) << int{half};
    EXPECT_EQ(ItemWarnings(0, 1, half).size(), expected) << int{half};
  }
  EXPECT_EQ(ItemWarnings(0x01, 0, 0x97).size(), 4u);
}

// The window's tooltips: the byte that Save would store, its meaning, then
// its warnings; text that Save refuses gets Save's message.
TEST(ItemMeaning, DescribesWhatSaveWouldStore) {
  EXPECT_EQ(DescribeUse("40"), "40: Can't select (CANT_SELECT)");
  EXPECT_EQ(DescribeUse(" c0"), "C0: Can't select, can't toss (CANT_SELECT | CANT_TOSS)");
  EXPECT_EQ(DescribeUse(""), "00: None (NO_LIMITS)");
  EXPECT_EQ(DescribeUse("41"), "41: Can't select (CANT_SELECT)\nUse bits 0 to 5 are never used by the games, yet some are set.");
  EXPECT_EQ(DescribeUse("1G"), "Use: enter one or two hexadecimal digits (00 to FF), or leave it empty.");
  EXPECT_EQ(DescribeType("6"), "06: field menu 0 (No use, ITEMMENU_NOUSE), battle menu 6 (Close, ITEMMENU_CLOSE)");
  EXPECT_EQ(DescribeType("F0"),
            "F0: field menu F (undefined), battle menu 0 (No use, ITEMMENU_NOUSE)\n"
            "The field menu value F is not defined: the game jumps past its table of menu actions.");
  EXPECT_EQ(DescribeType("100"), "Type: enter one or two hexadecimal digits (00 to FF), or leave it empty.");
  EXPECT_EQ(DescribeEffect("1"), "01: Berry (HELD_BERRY)");
  EXPECT_EQ(DescribeEffect("5A"), "5A: no held effect of the games");
  EXPECT_EQ(DescribePocket(3), "03: Ball");
  EXPECT_EQ(DescribePocket(0), "00: no pocket\nPocket 0 is no pocket in the bag.");
  EXPECT_EQ(DescribePocket(-1), "FF: no pocket\nPocket 255 is no pocket in the bag.");
}

// Var. means what the held effect makes of it, where the games read it.
TEST(ItemMeaning, DescribesTheParameterForItsEffect) {
  EXPECT_EQ(DescribeVariable("01", "0A"), "0A: restores 10 HP");
  EXPECT_EQ(DescribeVariable("3A", "0A"), "0A: adds 10% to the power of moves of its type");
  EXPECT_EQ(DescribeVariable("4A", "3C"), "3C: a chance of 60 out of 256");
  EXPECT_EQ(DescribeVariable("03", "0A"), "0A: the game does not read it for the held effect Leftovers (HELD_LEFTOVERS)");
  EXPECT_EQ(DescribeVariable("5A", "0A"), "0A: the game does not read it for the held effect (5A)");
}

}  // namespace
