#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "rom_builder.h"
#include "rom_io/checksum_fix.h"
#include "rom_io/file_replacement.h"

// What stays of a file that Kestrune writes: its links, owner and mode, as
// POSIX systems have them.
namespace {

struct stat StatOf(const std::filesystem::path& path) {
  struct stat info {};
  EXPECT_EQ(stat(path.c_str(), &info), 0) << path;
  return info;
}

// A user other than the one running the test, when it may give files away.
constexpr uid_t kOtherUser = 65534;  // nobody

TEST(FileIdentity, FixChecksumWritesIntoTheFileItself) {
  TempDir dir;
  const auto rom = dir.Path("rom.gbc");
  RomBuilder(RomBuilder::TwoMiB, 3).WithHeaderChecksum().WriteTo(rom);
  std::filesystem::create_hard_link(rom, dir.Path("second name.gbc"));
  ASSERT_EQ(chmod(rom.c_str(), 0640), 0);
  const bool givenAway = geteuid() == 0 && chown(rom.c_str(), kOtherUser, kOtherUser) == 0;
  const struct stat before = StatOf(rom);

  const ChecksumFix fix = FixChecksumsOfFile(rom, StadiumBlocks::N64Only);
  ASSERT_FALSE(fix.error) << fix.error.message();
  ASSERT_TRUE(fix.refresh.Changed());

  const struct stat after = StatOf(rom);
  EXPECT_EQ(after.st_ino, before.st_ino);
  EXPECT_EQ(after.st_nlink, 2u);
  EXPECT_EQ(after.st_mode & 07777, 0640u);
  EXPECT_EQ(after.st_uid, before.st_uid);
  EXPECT_EQ(after.st_gid, before.st_gid);
  if (givenAway) {
    EXPECT_EQ(after.st_uid, kOtherUser);
  }
  EXPECT_EQ(ReadFileBytes(dir.Path("second name.gbc")), ReadFileBytes(rom));
  EXPECT_FALSE(FixChecksumsOfFile(rom, StadiumBlocks::N64Only).refresh.Changed());
}

TEST(FileIdentity, AReplacedFileKeepsItsMode) {
  TempDir dir;
  const auto target = dir.Path("items.csv");
  for (const mode_t mode : {mode_t{0600}, mode_t{0640}, mode_t{0444}}) {
    WriteFileBytes(target, {1});
    ASSERT_EQ(chmod(target.c_str(), mode | S_IWUSR), 0);
    const auto error = ReplaceFile(target, false, [](const std::filesystem::path& temporary) {
      WriteFileBytes(temporary, {2});
      return std::error_code{};
    });
    ASSERT_FALSE(error) << error.message();
    EXPECT_EQ(StatOf(target).st_mode & 07777, mode | S_IWUSR);
    EXPECT_EQ(ReadFileBytes(target), std::vector<uint8_t>{2});
  }
}

}  // namespace
