#include "rom_io/stadium_checksums.h"

#include <gtest/gtest.h>

#include "rom_builder.h"
#include "rom_io/rom_header.h"
#include "rom_io/sha1.h"

namespace {

uint16_t BigEndianAt(const std::vector<uint8_t>& rom, size_t offset) {
  return static_cast<uint16_t>(rom[offset] << 8 | rom[offset + 1]);
}

// Two 2 MiB files whose byte at offset i is i mod 251, one with Gold's and
// one with Crystal's edition byte and game code, and what the game's build
// writes into them.
TEST(StadiumChecksums, SyntheticRomsMatchTheRebuiltDigests) {
  const struct {
    uint8_t editionByte;
    const char* gameCode;
    StadiumBlocks blocks;
    const char* sha1;
    uint16_t global, n64Crc, baseCrc;
  } cases[] = {
      {0x47, "AAUE", StadiumBlocks::N64Only, "14253aa72d356bfb2493783b6984bff0befe2f85", 0x1592, 0x3F1F, 0},
      {0x41, "BYTE", StadiumBlocks::WithBase, "7489c19f826ffd1f27d3fac8cfe0d2962f271bcd", 0x16EC, 0x8949, 0x59EE},
  };
  for (const auto& c : cases) {
    std::vector<uint8_t> rom =
        RomBuilder().WithCountingBytes(251).WithEditionByte(c.editionByte).WithGameCode(c.gameCode).Bytes();
    const ChecksumRefresh refresh = RefreshChecksums(rom, c.blocks);
    EXPECT_EQ(Sha1Hex(rom), c.sha1) << c.gameCode;
    EXPECT_EQ(BigEndianAt(rom, GlobalChecksumOffset), c.global) << c.gameCode;
    EXPECT_EQ(BigEndianAt(rom, N64BlockOffset + 6), c.n64Crc) << c.gameCode;
    if (c.baseCrc != 0) {
      EXPECT_EQ(BigEndianAt(rom, BaseBlockOffset + 6), c.baseCrc);
    }
    EXPECT_TRUE(refresh.blocksChanged);
    EXPECT_EQ(refresh.globalAfter, c.global);

    // A second run finds everything current.
    const std::vector<uint8_t> fixed = rom;
    const ChecksumRefresh again = RefreshChecksums(rom, c.blocks);
    EXPECT_FALSE(again.Changed()) << c.gameCode;
    EXPECT_EQ(again.halfBanksChanged, 0);
    EXPECT_EQ(rom, fixed);
  }
}

// Banks 117 and 122 of the clean Crystal ROM are all zeros; an image whose
// banks are zeros there has those two banks as in the clean ROM, and only
// those: bit j of flag byte i stands for bank 8i + j.
TEST(StadiumChecksums, CrystalFlagsTheBanksThatAreAsInTheCleanRom) {
  constexpr size_t bankSize = 0x4000;
  RomBuilder builder = RomBuilder().WithEditionByte(0x41).WithGameCode("BYTE");
  for (const size_t bank : {size_t{117}, size_t{122}}) {
    for (size_t offset = bank * bankSize; offset < (bank + 1) * bankSize; ++offset) builder.WithByte(offset, 0);
  }
  std::vector<uint8_t> rom = builder.Bytes();
  RefreshChecksums(rom, StadiumBlocks::WithBase);
  std::vector<uint8_t> flags(rom.begin() + BaseBlockOffset + 8, rom.begin() + BaseBlockOffset + 24);
  std::vector<uint8_t> expected(16, 0);
  expected[14] = 0x20;  // bank 117 = 8 * 14 + 5
  expected[15] = 0x04;  // bank 122 = 8 * 15 + 2
  EXPECT_EQ(flags, expected);
}

// Two bytes of Crystal's base block swapped leave every sum as it was, so
// only that block tells that it is stale.
TEST(StadiumChecksums, AChangeInTheBaseBlockAloneIsFoundAndWritten) {
  std::vector<uint8_t> rom = RomBuilder().WithCountingBytes(251).WithEditionByte(0x41).WithGameCode("BYTE").Bytes();
  RefreshChecksums(rom, StadiumBlocks::WithBase);
  const std::vector<uint8_t> current = rom;
  const size_t crc = BaseBlockOffset + 6;
  ASSERT_NE(rom[crc], rom[crc + 1]);
  std::swap(rom[crc], rom[crc + 1]);
  const ChecksumRefresh refresh = RefreshChecksums(rom, StadiumBlocks::WithBase);
  EXPECT_TRUE(refresh.blocksChanged);
  EXPECT_EQ(refresh.halfBanksChanged, 0);
  EXPECT_EQ(rom, current);
}

TEST(StadiumChecksums, AnEditCountsTheHalfBanksItsSumsChange) {
  std::vector<uint8_t> rom = RomBuilder().Bytes();
  RefreshChecksums(rom, StadiumBlocks::N64Only);
  rom[0x4000] = static_cast<uint8_t>(rom[0x4000] + 1);  // half-bank 2
  rom[0x9000] = static_cast<uint8_t>(rom[0x9000] + 1);  // half-bank 4
  const ChecksumRefresh refresh = RefreshChecksums(rom, StadiumBlocks::N64Only);
  // The last half-bank holds the sums of the others, so its own changes too.
  EXPECT_EQ(refresh.halfBanksChanged, 3);
  EXPECT_NE(refresh.globalBefore, refresh.globalAfter);
}

TEST(StadiumChecksums, OtherSizesGetOnlyTheGlobalChecksum) {
  std::vector<uint8_t> rom = RomBuilder(0x100000).Bytes();
  const std::vector<uint8_t> before = rom;
  const ChecksumRefresh refresh = RefreshChecksums(rom, StadiumBlocks::WithBase);
  EXPECT_FALSE(refresh.blocksChanged);
  EXPECT_EQ(refresh.globalAfter, GlobalChecksum(before));
  const auto offsets = DifferingOffsets(before, rom);
  for (size_t offset : offsets) EXPECT_TRUE(offset == GlobalChecksumOffset || offset == GlobalChecksumOffset + 1);
}

}  // namespace
