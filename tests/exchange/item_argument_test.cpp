#include "exchange/item_argument.h"
#include "items/item_names.h"

#include <gtest/gtest.h>

#include "items/refusal.h"

namespace {

TEST(ItemArgument, NumbersAndNames) {
  const struct {
    const char* text;
    int item;
  } cases[] = {
      {"1", 1},
      {"255", 255},
      {"018", 18},
      {"poke ball", 5} /* the name rule is items/item_name_match's; this row shows it is used */,
      {"nothing", 255} /* item 0 has no record, so only 255 is meant */,
  };
  for (const auto& c : cases) EXPECT_EQ(ParseItem(c.text, ItemNames), c.item) << c.text;
}

TEST(ItemArgument, RefusesWithTheNumbersOfARepeatedName) {
  const struct {
    const char* text;
    const char* message;
  } cases[] = {
      {"duplicate", "The name \"Duplicate\" stands at items 195, 220: give the item's number."},
      {"max e", "\"max e\" begins several names: Max Elixer (21), Max Ether (64)."},
      {"0", "There is no item \"0\": give a number from 1 to 255 or an item's name."},
      {"256", "There is no item \"256\": give a number from 1 to 255 or an item's name."},
      {"", "There is no item \"\": give a number from 1 to 255 or an item's name."},
      {"poké", "\"poké\" begins several names: Poké Ball (5), pokeDoll (37)."},
      {"hm",
       "\"hm\" begins several names: HM 1 (243), HM 2 (244), HM 3 (245), HM 4 (246), HM 5 (247), HM 6 (248) and "
       "1 more."},
      {"teru",
       "The name \"Teru-Sama\" stands at items 6, 25, 45, 50, 56, 90, 100, 120, 135, 136, 137, 141, 142, 145, "
       "147, 148, 149, 153, 154, 155, 162, 171, 176, 179, 190, 250, 251, 252, 253, 254: give the item's number."},
  };
  for (const auto& c : cases) {
    try {
      ParseItem(c.text, ItemNames);
      ADD_FAILURE() << c.text;
    } catch (const Refused& error) {
      EXPECT_EQ(error.what(), std::string(c.message));
      EXPECT_EQ(KindOf(error.Why()), RefusalKind::Input);
    }
  }
  for (const char* text : {"-1", " 5", "5 ", "+5", "1e2", "99999999999", "Teru-Sama"}) {
    EXPECT_THROW(ParseItem(text, ItemNames), Refused) << text;
  }
}

TEST(ItemArgument, Pockets) {
  EXPECT_EQ(ParsePocket("(none)"), 0);
  EXPECT_EQ(ParsePocket("Item"), 1);
  EXPECT_EQ(ParsePocket("KEY"), 2);
  EXPECT_EQ(ParsePocket("ball"), 3);
  EXPECT_EQ(ParsePocket("tm/hm"), 4);
  EXPECT_EQ(ParsePocket("0"), 0);
  EXPECT_EQ(ParsePocket("255"), 255);
  for (const char* text : {"256", "-1", "", "Bag", "TM"}) EXPECT_EQ(ParsePocket(text), std::nullopt) << text;
  EXPECT_EQ(PocketChoices(), "a number from 0 to 255 or one of (None), Item, Key, Ball, TM/HM");
}

}  // namespace
