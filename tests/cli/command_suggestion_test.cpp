#include "cli/command_suggestion.h"

#include <gtest/gtest.h>

namespace {

TEST(CommandSuggestion, NamesTheNearestCommandOrListsThemAll) {
  const std::vector<std::string> commands{"info", "show", "set", "export", "import", "diff", "fix-checksum"};
  EXPECT_EQ(UnknownCommandMessage("exprot", commands), "There is no command \"exprot\"; did you mean \"export\"?");
  EXPECT_EQ(UnknownCommandMessage("shwo", commands), "There is no command \"shwo\"; did you mean \"show\"?");
  EXPECT_EQ(UnknownCommandMessage("fix-checksun", commands),
            "There is no command \"fix-checksun\"; did you mean \"fix-checksum\"?");
  EXPECT_EQ(UnknownCommandMessage("frobnicate", commands),
            "There is no command \"frobnicate\"; the commands are info, show, set, export, import, diff, "
            "fix-checksum.");
}

}  // namespace
