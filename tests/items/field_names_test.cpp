#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

#include "items/held_effect_names.h"
#include "items/held_effect_table.h"
#include "items/item_field_name_table.h"
#include "items/menu_names.h"
#include "items/use_names.h"

namespace {

std::string Lower(std::string text) {
  std::ranges::transform(text, text.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

struct FieldNames {
  const NamedValues& names;
  std::string prefix;
  int values;  // every value the field can hold
};

// Every value maps to its name and back, in every form a user may type it;
// a value without a name shows as its hex and its hex gives it back.
TEST(FieldNames, EveryValueRoundTrips) {
  for (const FieldNames& field : {FieldNames{HeldEffectNames(), "HELD_", 256}, FieldNames{UseNames(), "", 256},
                                  FieldNames{MenuNames(), "ITEMMENU_", 16}}) {
    for (int value = 0; value < field.values; ++value) {
      const auto v = static_cast<uint16_t>(value);
      const std::string hex = field.names.Hex(v);
      EXPECT_EQ(field.names.Parse(hex), v) << hex;
      EXPECT_EQ(field.names.Parse(" " + Lower(hex) + " "), v) << hex;
      const NamedValue* named = field.names.Find(v);
      if (named == nullptr) {
        EXPECT_EQ(field.names.Words(v), "(" + hex + ")");
        continue;
      }
      EXPECT_EQ(field.names.Parse(Lower(named->name)), v) << named->name;
      // Hex digits are the field's hex before they are a name ("30" is 30, not HELD_30).
      const std::string shortName = named->name.substr(field.prefix.size());
      if (shortName.size() <= hex.size() && std::ranges::all_of(shortName, ::isxdigit)) continue;
      EXPECT_EQ(field.names.Parse(shortName), v) << named->name;
      EXPECT_EQ(field.names.Parse(Lower(named->words)), v) << named->words;
    }
  }
}

TEST(FieldNames, EveryFactHasItsName) {
  for (const HeldEffectFact& effect : HeldEffectTable) EXPECT_EQ(HeldEffectNames().Name(effect.byte), effect.name);
  for (const NamedByteFact& flag : UseFlagTable) EXPECT_EQ(UseNames().Name(flag.value), flag.name);
  EXPECT_EQ(UseNames().Name(0xC0), "CANT_SELECT | CANT_TOSS");
  for (const NamedByteFact& action : MenuActionTable) EXPECT_EQ(MenuNames().Name(action.value), action.name);
}

TEST(FieldNames, WordsComeFromTheNames) {
  EXPECT_EQ(HeldEffectNames().Words(0x01), "Berry");
  EXPECT_EQ(HeldEffectNames().Words(0x3A), "Fire Boost");
  EXPECT_EQ(HeldEffectNames().Words(0x4D), "Brightpowder");
  EXPECT_EQ(HeldEffectNames().Words(0x5A), "(5A)");
}

TEST(FieldNames, AnUnknownNameGetsTheCloseOnes) {
  EXPECT_EQ(HeldEffectNames().Parse("berri"), std::nullopt);
  EXPECT_EQ(HeldEffectNames().CloseNames("berri"), std::vector<std::string>{"HELD_BERRY"});
  EXPECT_EQ(UnknownNameProblem(HeldEffectNames(), "held effect", "HELD_LEFTOVER"),
            "there is no held effect \"HELD_LEFTOVER\"; did you mean HELD_LEFTOVERS?");
  EXPECT_TRUE(MenuNames().CloseNames("xyzzy").empty());
}

}  // namespace
