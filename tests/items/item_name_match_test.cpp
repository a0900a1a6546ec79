#include "items/item_name_match.h"

#include <gtest/gtest.h>

#include <array>

#include "items/item_names.h"

namespace {

// A ROM hack's list: renamed items, a name that stands twice, and one
// name that begins another.
constexpr std::array<std::string_view, 6> HackNames{"Nothing", "Poké Ball", "Potion",
                                                    "Super Potion", "Fish Rod", "Fish Rod"};

struct NameCase {
  const char* text;
  std::vector<int> named;  // what ItemsNamed gives
  std::optional<int> item;  // what ItemNamed gives
};

class ItemNameMatch : public ::testing::TestWithParam<NameCase> {};

TEST_P(ItemNameMatch, FoldsCaseAndAccentsAndTakesAUniqueBeginning) {
  const NameCase& c = GetParam();
  EXPECT_EQ(ItemsNamed(HackNames, c.text), c.named);
  EXPECT_EQ(ItemNamed(HackNames, c.text), c.item);
}

INSTANTIATE_TEST_SUITE_P(
    Names, ItemNameMatch,
    ::testing::Values(NameCase{"Poké Ball", {1}, 1},
                      NameCase{"POKÉ BALL", {1}, 1},
                      NameCase{"poke ball", {1}, 1},
                      NameCase{"Poke\xCC\x81 Ball", {1}, 1},  // e and a combining acute, as macOS writes it
                      NameCase{"pok", {1}, 1},
                      NameCase{"potion", {2}, 2},              // a whole name wins over a longer one it begins
                      NameCase{"po", {1, 2}, std::nullopt},    // begins names that differ
                      NameCase{"fish", {4, 5}, 4},             // one name at two items: the first
                      NameCase{"nothing", {0}, 0},
                      NameCase{"", {}, std::nullopt},
                      NameCase{"Ether", {}, std::nullopt},
                      NameCase{"Pok\xE9 Ball", {}, std::nullopt}));  // Windows-1252, no UTF-8

TEST(ItemNameMatch, NamesAnItemByItsNameOrAUniqueBeginning) {
  EXPECT_TRUE(NamesItem(HackNames, "POKÉ BALL", 1));
  EXPECT_TRUE(NamesItem(HackNames, "fish rod", 5));
  EXPECT_TRUE(NamesItem(HackNames, "Super", 3));
  EXPECT_FALSE(NamesItem(HackNames, "Po", 2));
  EXPECT_FALSE(NamesItem(HackNames, "Potion", 3));
  EXPECT_FALSE(NamesItem(HackNames, "", 2));
}

// An unused slot's spelling may be shared by an item of another name.
TEST(ItemNameMatch, AWholeSpellingNamesItsItemThoughAnotherItemSpellsItAlike) {
  const std::vector<std::string_view> names{"Nothing", "Teru-Sama", "Clear Bell"};
  const std::vector<std::string_view> spellings{"", "TERU-SAMA", "TERU-SAMA"};
  const ItemNameMatcher matcher(names, spellings);
  EXPECT_TRUE(matcher.NamesItem("Teru-Sama", 1));
  EXPECT_TRUE(matcher.NamesItem("TERU-SAMA", 2));
  EXPECT_FALSE(matcher.NamesItem("Teru", 1));
}

TEST(ItemNameMatch, SuggestsEveryNameThatHoldsTheText) {
  EXPECT_EQ(ItemsContaining(HackNames, "OTIO"), (std::vector<int>{2, 3}));
  EXPECT_EQ(ItemsContaining(HackNames, "ke b"), (std::vector<int>{1}));
  EXPECT_EQ(ItemsContaining(ItemNames, "poke ball"), (std::vector<int>{5}));
}

TEST(ItemNameMatch, FoldsTheFormsThatToolsWrite) {
  EXPECT_EQ(FoldedName("ÀÉÎÕÜ Ç Ñ Ÿ ŁØ"), "aeiou c n y lo");
  EXPECT_EQ(FoldedName("King\xE2\x80\x99s\xC2\xA0Rock"), "king's rock");
  EXPECT_EQ(FoldedName("Æ ß"), "Æ ß");
  EXPECT_EQ(FoldedName("PRZ CURE BERRY ABCDEFGHIJKLMNOPQRSTUVWXYZ"), "prz cure berry abcdefghijklmnopqrstuvwxyz");
  EXPECT_TRUE(IsUtf8("Poké Ball"));
  for (const char* bad : {"Pok\xE9", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xE2\x80"}) {
    EXPECT_FALSE(IsUtf8(bad)) << bad;
  }
}

}  // namespace
