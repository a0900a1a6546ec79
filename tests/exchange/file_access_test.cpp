#include "exchange/file_access.h"

#include <gtest/gtest.h>

#include "items/refusal.h"
#include "rom_builder.h"

namespace {

TEST(FileAccess, AnOutputThatIsAnInputIsRefusedUnderAnyName) {
  TempDir dir;
  const auto rom = dir.Path("rom.gbc");
  WriteFileBytes(rom, {1, 2});
  std::filesystem::create_hard_link(rom, dir.Path("hard.gbc"));
  std::vector<std::string> names{"rom.gbc", "hard.gbc", "./rom.gbc"};
  std::error_code noLinks;
  std::filesystem::create_symlink(rom, dir.Path("soft.gbc"), noLinks);
  if (!noLinks) names.emplace_back("soft.gbc");  // where the system has symbolic links
  for (const std::string& name : names) {
    try {
      RefuseOutputOverInput((dir.Root() / name).string(), rom.string());
      ADD_FAILURE() << name;
    } catch (const Refused& error) {
      EXPECT_EQ(KindOf(error.Why()), RefusalKind::Input);
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
  } catch (const Refused& error) {
    EXPECT_EQ(KindOf(error.Why()), RefusalKind::File);
    EXPECT_EQ(error.what(), "Cannot read \"" + missing + "\": No such file or directory.");
  }
  EXPECT_THROW(WriteTextFile(dir.Path("no/folder.csv").string(), "x"), Refused);
}

}  // namespace
