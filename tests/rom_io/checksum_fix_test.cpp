#include "rom_io/checksum_fix.h"

#include <gtest/gtest.h>

#include "rom_builder.h"

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

}  // namespace
