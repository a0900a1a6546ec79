#include <gtest/gtest.h>
#include <sys/stat.h>

#include "rom_builder.h"
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

}  // namespace
