#include <gtest/gtest.h>
#include <sys/stat.h>

#include "rom_builder.h"
#include "rom_io/file_replacement.h"
#include "rom_io/rom_file.h"

// FIFOs and symbolic links, as POSIX systems have them.
namespace {

TEST(RomFile, OnlyRegularFilesCount) {
  TempDir dir;
  const auto rom = dir.Path("rom.gbc");
  WriteFileBytes(rom, std::vector<uint8_t>(100, 0xAA));
  std::filesystem::create_symlink(rom, dir.Path("link.gbc"));
  ASSERT_EQ(mkfifo(dir.Path("fifo").c_str(), 0600), 0);

  EXPECT_EQ(RegularFileSize(rom.string()), 100);
  EXPECT_EQ(RegularFileSize(dir.Path("link.gbc").string()), 100);
  EXPECT_EQ(RegularFileSize(dir.Path("fifo").string()), std::nullopt);
  EXPECT_EQ(RegularFileSize(dir.Root().string()), std::nullopt);
  EXPECT_EQ(RegularFileSize(""), std::nullopt);

  EXPECT_TRUE(OpensForWriting(rom.string()));
  EXPECT_FALSE(OpensForWriting(dir.Path("fifo").string()));
  // Neither blocks on the FIFO nor writes through it.
  EXPECT_FALSE(WriteOneByte(dir.Path("fifo").string(), 0, 1));
}

TEST(RomFile, WritesThroughALinkIntoItsTarget) {
  TempDir dir;
  const auto rom = dir.Path("rom.gbc");
  WriteFileBytes(rom, std::vector<uint8_t>(4, 0));
  std::filesystem::create_symlink(rom, dir.Path("link.gbc"));
  EXPECT_TRUE(WriteOneByte(dir.Path("link.gbc").string(), 2, 0x7F));
  EXPECT_EQ(ReadFileBytes(rom), (std::vector<uint8_t>{0, 0, 0x7F, 0}));
  EXPECT_TRUE(std::filesystem::is_symlink(dir.Path("link.gbc")));
}

// Nothing can be renamed over a device or a FIFO, so the output goes
// straight into it; a temporary file beside /dev/null would be renamed over
// the system's own device. The filler refuses any other path, so that a
// wrong turn fails here instead of renaming.
TEST(FileReplacement, DevicesAndFifosAreWrittenStraightThrough) {
  TempDir dir;
  ASSERT_EQ(mkfifo(dir.Path("fifo").c_str(), 0600), 0);
  std::vector<std::filesystem::path> targets{"/dev/null", dir.Path("fifo")};
  // Standard output is a pipe or a terminal under the test runner, a file when redirected.
  if (!std::filesystem::is_regular_file("/dev/stdout")) targets.emplace_back("/dev/stdout");
  for (const auto& target : targets) {
    std::filesystem::path written;
    const auto error = ReplaceFile(target, false, [&](const std::filesystem::path& path) {
      written = path;
      return path == target ? std::error_code{} : std::make_error_code(std::errc::invalid_argument);
    });
    EXPECT_FALSE(error) << target << ": " << error.message();
    EXPECT_EQ(written, target);
  }
  EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));
}

}  // namespace
