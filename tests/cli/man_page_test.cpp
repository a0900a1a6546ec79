// The manual page against the tool's own help: every command has a section,
// and every option that a command's help lists is described.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "cli_runner.h"
#include "rom_builder.h"

namespace {

// The first word of each line of a help section ("Subcommands:", "Options:").
std::vector<std::string> SectionWords(const std::string& help, const std::string& section) {
  std::vector<std::string> words;
  std::istringstream lines(help.substr(help.find("\n" + section + "\n") + section.size() + 2));
  for (std::string line; std::getline(lines, line) && line.starts_with("  ");) {
    std::istringstream(line) >> words.emplace_back();
  }
  return words;
}

// The page with roff's escapes removed: "fix\-checksum" reads "fix-checksum".
std::string ManPage() {
  std::string page = ReadText(KESTRUNE_CLI_MAN_PAGE);
  std::erase(page, '\\');
  return page;
}

TEST(ManPage, DescribesEveryCommandAndOption) {
  const TempDir dir;
  const std::string page = ManPage();
  const std::vector<std::string> commands = SectionWords(RunCli({"--help"}, dir.Root()).out, "Subcommands:");
  ASSERT_GE(commands.size(), 7u);
  for (const std::string& command : commands) {
    EXPECT_NE(page.find("\n.SS " + command + " "), std::string::npos) << command;
    for (const std::string& option : SectionWords(RunCli({command, "--help"}, dir.Root()).out, "Options:")) {
      if (option == "-h,--help") continue;
      // "-o,--output" is described under both names.
      std::istringstream names(option);
      for (std::string name; std::getline(names, name, ',');) {
        EXPECT_NE(page.find(name), std::string::npos) << command << " " << name;
      }
    }
  }
}

}  // namespace
