#include "rom_io/checksum_fix.h"

#include <gtest/gtest.h>

#include "rom_builder.h"

namespace {

// A 2 MiB ROM gets what the image in memory gets; other sizes only their
// global checksum.
TEST(ChecksumFix, WritesWhatTheImageInMemoryGetsAndOnlyThat) {
  TempDir dir;
  for (size_t size : {size_t{0x10000}, RomBuilder::TwoMiB}) {
    const auto path = dir.Path("rom.gbc");
    const RomBuilder rom(size, 5);
    rom.WriteTo(path);

    std::vector<uint8_t> expected = rom.Bytes();
    const ChecksumRefresh refresh = RefreshChecksums(expected, StadiumBlocks::WithBase);
    const ChecksumFix fix = FixChecksumsOfFile(path, StadiumBlocks::WithBase);
    EXPECT_FALSE(fix.error) << fix.error.message();
    EXPECT_EQ(fix.refresh.blocksChanged, size == RomBuilder::TwoMiB);
    EXPECT_EQ(fix.refresh.halfBanksChanged, refresh.halfBanksChanged);
    EXPECT_EQ(ReadFileBytes(path), expected) << size;
    EXPECT_FALSE(FixChecksumsOfFile(path, StadiumBlocks::WithBase).refresh.Changed());
  }
}

}  // namespace
