#include "cli/file_access.h"

#include <gtest/gtest.h>

#include "cli/cli_error.h"
#include "rom_builder.h"

namespace {

TEST(FileAccess, AnOutputThatIsAnInputIsRefusedUnderAnyName) {
  TempDir dir;
  const auto rom = dir.Path("rom.gbc");
  WriteFileBytes(rom, {1, 2});
  std::filesystem::create_symlink(rom, dir.Path("soft.gbc"));
  std::filesystem::create_hard_link(rom, dir.Path("hard.gbc"));
  for (const char* name : {"rom.gbc", "soft.gbc", "hard.gbc", "./rom.gbc"}) {
    try {
      RefuseOutputOverInput((dir.Root() / name).string(), rom.string());
      ADD_FAILURE() << name;
    } catch (const CliError& error) {
      EXPECT_EQ(error.Status(), ExitStatus::InvalidInput);
    }
  }
  EXPECT_NO_THROW(RefuseOutputOverInput(dir.Path("new.csv").string(), rom.string()));
  EXPECT_EQ(ReadFileBytes(rom), (std::vector<uint8_t>{1, 2}));
}

TEST(FileAccess, MessagesNameTheSystemsReason) {
  TempDir dir;
  const auto missing = dir.Path("missing.csv").string();
  try {
    ReadTextFile(missing);
    ADD_FAILURE();
  } catch (const CliError& error) {
    EXPECT_EQ(error.Status(), ExitStatus::FileError);
    EXPECT_EQ(error.what(), "Cannot read \"" + missing + "\": No such file or directory.");
  }
  EXPECT_THROW(WriteTextFile(dir.Path("no/folder.csv").string(), "x"), CliError);
}

}  // namespace
