#include <gtest/gtest.h>

#include <optional>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>
#include <vector>

#include "forms/about_form.h"
#include "forms/editor_form.h"
#include "forms/item_choice.h"
#include "items/item_names.h"

namespace {

class DesignTest : public ::testing::TestWithParam<const FormDescription*> {};

// What both front ends rely on: a container is a frame created before what
// it holds, every control lies inside it, and names and tab indices are
// unique.
TEST_P(DesignTest, IsConsistent) {
  const FormDescription& form = *GetParam();
  std::set<std::pair<std::string_view, int>> names;
  std::set<int> tabIndices;
  for (const ControlDescription& control : form.controls) {
    EXPECT_TRUE(names.insert({control.name, control.index}).second) << control.name;
    if (control.tabIndex >= 0) {
      EXPECT_TRUE(tabIndices.insert(control.tabIndex).second) << control.name;
    }
    TwipsBox room{0, 0, form.clientWidth, form.clientHeight};
    if (!control.container.empty()) {
      ASSERT_TRUE(names.contains({control.container, 0})) << control.name;
      const ControlDescription& frame = FindControl(form, control.container);
      EXPECT_EQ(frame.kind, ControlKind::Frame);
      room = {0, 0, frame.rect.width, frame.rect.height};
    }
    EXPECT_GE(control.rect.left, 0) << control.name;
    EXPECT_LE(control.rect.left + control.rect.width, room.width) << control.name;
    EXPECT_LE(control.rect.top + control.rect.height, room.height) << control.name;
  }
}

INSTANTIATE_TEST_SUITE_P(Forms, DesignTest, ::testing::Values(&EditorForm(), &AboutForm()),
                         [](const auto& param) { return std::string(param.param->name); });

struct Choice {
  int current;
  std::string text;
  std::optional<int> expected;
  std::string_view problemStart;
};

// The name rule itself is items/named_item's; here only how the shown entry
// goes before it, and that the game's own spellings count.
TEST(ItemChoice, TheShownEntryWinsThenTheItemTheTextNames) {
  const ItemNameList names(EditionTable[0], {});
  const Choice choices[] = {
      {6, "Teru-Sama", 6, ""},
      {25, "Teru-Sama", 25, ""},
      {0, "Nothing", 0, ""},
      {-1, "nothing", 255, ""},
      {-1, "poke ball", 5, ""},
      {-1, "Poké Doll", 37, ""},
      {-1, "TM01", 191, ""},
      {1, "Ultra Ball", 2, ""},
      {300, "Master Ball", 1, ""},
      {-1, "", std::nullopt, ""},
      {-1, "Teru-Sama", std::nullopt, "The name \"Teru-Sama\" stands at items 6, 25, 45, 50, 56, 70,"},
      {-1, "super", std::nullopt, "\"super\" begins several names: Super Potion (17), Super Repel"},
      {-1, " potion", std::nullopt, "There is no item \" potion\""},
  };
  for (const Choice& choice : choices) {
    const NamedItem chosen = ChosenItem(choice.current, choice.text, names);
    EXPECT_EQ(chosen.item, choice.expected) << choice.current << " " << choice.text;
    EXPECT_TRUE(chosen.problem.starts_with(choice.problemStart)) << chosen.problem;
    EXPECT_EQ(chosen.problem.empty(), choice.problemStart.empty()) << chosen.problem;
  }
}

}  // namespace
