#include "exchange/item_values.h"

#include <gtest/gtest.h>

namespace {

const ItemFields kPotion{"300", "00", "14", "80", 1, "40", "C56E"};

TEST(ItemValues, TextsAreWhatTheCoreWouldStore) {
  ItemFields typed{" 300 ", "a", "", "0f", 1, "4", "c56e"};
  const auto values = ValuesOf(18, typed);
  ASSERT_TRUE(values.values);
  EXPECT_EQ(values.values->texts, (std::array<std::string, 7>{"300", "0A", "00", "0F", "1", "04", "C56E"}));
  typed.Price = "-1";
  EXPECT_EQ((*ValuesOf(18, typed).values)[Field::Price], "65535");
  // Above item 179 the pointer is neither checked nor shown.
  typed.ASM = "not hex";
  EXPECT_EQ((*ValuesOf(180, typed).values)[Field::Asm], "");
  EXPECT_EQ(ValuesOf(179, typed).problem,
            "ASM Pointer: enter one to four hexadecimal digits (0000 to FFFF), or leave it empty.");
}

TEST(ItemValues, FieldProblemsInTheCoresWords) {
  EXPECT_EQ(FieldProblem(18, Field::Price, "65535"), std::nullopt);
  EXPECT_EQ(FieldProblem(18, Field::Price, "65536"), "Price: enter a whole number from -32768 to 65535.");
  EXPECT_EQ(FieldProblem(18, Field::Variable, "G"),
            "Var.: enter one or two hexadecimal digits (00 to FF), or leave it empty.");
  EXPECT_EQ(FieldProblem(18, Field::How, ""), std::nullopt);
  EXPECT_NE(FieldProblem(179, Field::Asm, "12345"), std::nullopt);
}

TEST(ItemValues, EveryFieldHasAColumnKey) {
  for (Field field : AllFields) EXPECT_EQ(FieldFromKey(FieldKey(field)), field);
  EXPECT_EQ(FieldFromKey("Price"), std::nullopt);
  EXPECT_EQ(FieldFromKey("index"), std::nullopt);
}

TEST(ItemValues, SetFieldThenValuesGivesTheText) {
  const std::array<std::string, 7> texts{"1000", "0A", "0B", "0C", "3", "0D", "ABCD"};
  for (Field field : AllFields) {
    ItemFields fields = kPotion;
    SetField(fields, field, texts[static_cast<size_t>(field)]);
    EXPECT_EQ((*ValuesOf(18, fields).values)[field], texts[static_cast<size_t>(field)]) << FieldKey(field);
  }
}

TEST(ItemValues, ChangesListOnlyDifferingFieldsInColumnOrder) {
  const ItemValues before = *ValuesOf(18, kPotion).values;
  ItemFields edited = kPotion;
  edited.How = "04";
  edited.Price = "350";
  const auto changes = Changes(18, before, *ValuesOf(18, edited).values);
  ASSERT_EQ(changes.size(), 2u);
  EXPECT_EQ(FormatChange(changes[0], "Potion"), "18 Potion price 300 -> 350");
  EXPECT_EQ(FormatChange(changes[1], "Potion"), "18 Potion how 40 -> 04");
  EXPECT_TRUE(Changes(18, before, before).empty());
}

}  // namespace
