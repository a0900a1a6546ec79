#include "items/item_names.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

TEST(ItemNames, RepeatedNamesStandWhereTheGamesHaveThem) {
  EXPECT_EQ(std::count(ItemNames.begin(), ItemNames.end(), "Teru-Sama"), 30);
  EXPECT_EQ(ItemNames[0], "Nothing");
  EXPECT_EQ(ItemNames[255], "Nothing");
  EXPECT_EQ(ItemNames[195], "Duplicate");
  EXPECT_EQ(ItemNames[220], "Duplicate");
  // Max Elixer and Max Ether are two items; each name finds its own.
  EXPECT_EQ(ItemNames[21], "Max Elixer");
  EXPECT_EQ(ItemNames[64], "Max Ether");
  EXPECT_EQ(ItemNames[5], "Poké Ball");
  EXPECT_EQ(ItemNames[191], "TM 1");
  EXPECT_EQ(ItemNames[249], "HM 7");
}

TEST(ItemNames, PocketList) {
  EXPECT_EQ(PocketNames, (std::array<std::string_view, 5>{"(None)", "Item", "Key", "Ball", "TM/HM"}));
}

TEST(ItemNames, UnknownPocketShowsItsByte) { EXPECT_EQ(UnknownPocketEntry(0xA5), "(A5)"); }

}  // namespace
