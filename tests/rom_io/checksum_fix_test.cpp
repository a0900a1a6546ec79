#include "rom_io/checksum_fix.h"

#include <gtest/gtest.h>

#include "rom_builder.h"
#include "rom_io/file_image.h"
#include "rom_io/file_path.h"

namespace {

HeaderFacts FactsOf(const std::filesystem::path& path) { return *ScanRom(path.string()).facts; }

// A 2 MiB ROM gets what the image in memory gets; other sizes only their
// global checksum; a dry run writes nothing.
TEST(ChecksumFix, WritesWhatTheImageInMemoryGetsAndOnlyThat) {
  TempDir dir;
  for (size_t size : {size_t{0x10000}, RomBuilder::TwoMiB}) {
    const auto path = dir.Path("rom.gbc");
    const RomBuilder rom(size, 5);
    rom.WriteTo(path);

    const ChecksumFix dry = FixChecksums(path.string(), FactsOf(path), StadiumBlocks::WithBase, ChecksumWrite::DryRun);
    EXPECT_FALSE(dry.error);
    EXPECT_TRUE(dry.refresh.Changed());
    EXPECT_EQ(ReadFileBytes(path), rom.Bytes());

    std::vector<uint8_t> expected = rom.Bytes();
    RefreshChecksums(expected, StadiumBlocks::WithBase);
    const ChecksumFix fix = FixChecksums(path.string(), FactsOf(path), StadiumBlocks::WithBase);
    EXPECT_FALSE(fix.error) << fix.error.message();
    EXPECT_EQ(fix.refresh.blocksChanged, size == RomBuilder::TwoMiB);
    EXPECT_EQ(ReadFileBytes(path), expected) << size;
    EXPECT_FALSE(FixChecksums(path.string(), FactsOf(path), StadiumBlocks::WithBase).refresh.Changed());
  }
}

// The handle that read the file writes into it.
TEST(ChecksumFix, AnImageReadThroughTheHandleGetsWhatTheFileGets) {
  TempDir dir;
  const auto path = dir.Path("rom.gbc");
  const RomBuilder rom(RomBuilder::TwoMiB, 9);
  rom.WriteTo(path);
  std::vector<uint8_t> expected = rom.Bytes();
  const ChecksumRefresh refresh = RefreshChecksums(expected, StadiumBlocks::N64Only);

  const CFileHandle file(OpenCFile(path, "r+b"));
  ASSERT_TRUE(file);
  RomBytes read;
  ASSERT_FALSE(ReadRest(file.get(), read));
  const ChecksumFix fix = FixChecksumsIn(file.get(), read, StadiumBlocks::N64Only);
  EXPECT_FALSE(fix.error);
  EXPECT_EQ(fix.refresh.halfBanksChanged, refresh.halfBanksChanged);
  EXPECT_EQ(ReadFileBytes(path), expected);
}

}  // namespace
