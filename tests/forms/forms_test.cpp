#include <gtest/gtest.h>

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
  int16_t expected;
};

// The name rule itself is items/item_name_match's; here only how the shown
// entry goes before it.
TEST(ItemChoice, TheShownEntryWinsThenTheEntryTheTextNames) {
  const Choice choices[] = {
      {6, "Teru-Sama", 6},     {25, "Teru-Sama", 25}, {-1, "Teru-Sama", 6}, {-1, "poke ball", 5},
      {1, "Ultra Ball", 2},    {1, "Master Ball", 1}, {-1, "", -1},         {-1, "Masterball", -1},
      {300, "Master Ball", 1},
  };
  for (const Choice& choice : choices) {
    EXPECT_EQ(ChosenItem(choice.current, choice.text, ItemNames), choice.expected) << choice.current << " " << choice.text;
  }
}

TEST(ItemChoice, UnknownPocketShowsItsByte) { EXPECT_EQ(UnknownPocketEntry(0xA5), "(A5)"); }

}  // namespace
