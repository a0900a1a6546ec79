#include "exchange/item_values.h"

#include <gtest/gtest.h>

namespace {

const ItemRecord kPotion{300, 0x00, 0x14, 0x80, 1, 0x40, 0x6EC5, {}, {}};

TEST(ItemValues, TextsInTheToolsColumns) {
  const std::array<std::string, 7> texts{"300", "00", "14", "80", "1", "40", "C56E"};
  for (Field field : AllFields) EXPECT_EQ(FieldText(kPotion, field), texts[static_cast<size_t>(field)]);
  // Above item 179 there is no pointer to show.
  ItemRecord mail = kPotion;
  mail.routine.reset();
  EXPECT_EQ(FieldText(mail, Field::Asm), "");
}

TEST(ItemValues, EveryFieldHasAColumnKey) {
  for (Field field : AllFields) EXPECT_EQ(FieldFromKey(FieldKey(field)), field);
  EXPECT_EQ(FieldFromKey("Price"), std::nullopt);
  EXPECT_EQ(FieldFromKey("index"), std::nullopt);
}

TEST(ItemValues, ChangesListOnlyDifferingFieldsInColumnOrder) {
  ItemRecord edited = kPotion;
  edited.menus = 0x04;
  edited.price = 350;
  edited.description = "another text";
  const auto changes = Changes(18, kPotion, edited);
  ASSERT_EQ(changes.size(), 2u);
  EXPECT_EQ(FormatChange(changes[0], "Potion"), "18 Potion price 300 -> 350");
  EXPECT_EQ(FormatChange(changes[1], "Potion"), "18 Potion how 40 -> 04");
  EXPECT_TRUE(Changes(18, kPotion, kPotion).empty());
}

}  // namespace
