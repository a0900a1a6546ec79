#include "cli/rom_header.h"

#include <gtest/gtest.h>

#include "rom_builder.h"

namespace {

TEST(RomHeader, GlobalChecksumLeavesOutItsOwnBytes) {
  std::vector<uint8_t> rom = RomBuilder(0x8000, 7).Bytes();
  const uint16_t sum = GlobalChecksum(rom);
  rom[GlobalChecksumOffset] ^= 0xFF;
  rom[GlobalChecksumOffset + 1] ^= 0x5A;
  EXPECT_EQ(GlobalChecksum(rom), sum);
  // Every other byte counts once, with wrap-around at 16 bits.
  for (size_t at : {size_t{0}, HeaderChecksumOffset, GlobalChecksumOffset + 2, rom.size() - 1}) {
    std::vector<uint8_t> changed = rom;
    changed[at] = static_cast<uint8_t>(changed[at] + 3);
    EXPECT_EQ(GlobalChecksum(changed), static_cast<uint16_t>(sum + 3)) << at;
  }
  EXPECT_EQ(GlobalChecksum(std::vector<uint8_t>(0x150, 1)), 0x150 - 2);
  EXPECT_EQ(GlobalChecksum(std::vector<uint8_t>(0x10000, 0xFF)), static_cast<uint16_t>((0x10000 - 2) * 0xFF));
}

TEST(RomHeader, ReadsStoredAndComputedChecksums) {
  std::vector<uint8_t> rom(HeaderEnd, 0);
  rom[HeaderChecksumOffset] = 0x12;
  rom[GlobalChecksumOffset] = 0xAB;
  rom[GlobalChecksumOffset + 1] = 0xCD;
  const HeaderFacts facts = ReadHeader(rom);
  EXPECT_EQ(facts.headerStored, 0x12);
  EXPECT_EQ(facts.headerComputed, 0xE7);  // 25 bytes of 0, each taking one more away
  EXPECT_EQ(facts.globalStored, 0xABCD);
  EXPECT_EQ(facts.globalComputed, 0x12);
}

TEST(RomHeader, TitleShowsUnprintableBytesAsEscapes) {
  std::vector<uint8_t> rom(HeaderEnd, 0);
  const std::string title = "POKEMON_GLDAAUE";
  std::copy(title.begin(), title.end(), rom.begin() + TitleOffset);
  rom[TitleOffset + 15] = 0x80;
  EXPECT_EQ(ReadHeader(rom).title, "POKEMON_GLDAAUE\\x80");
  rom[TitleOffset + 11] = 0x00;
  EXPECT_EQ(ReadHeader(rom).title, "POKEMON_GLD\\x00AUE\\x80");
}

TEST(RomHeader, KnownDumps) {
  EXPECT_EQ(KnownDumpName("d8b8a3600a465308c9953dfa04f0081c05bdcb94"), "Gold");
  EXPECT_EQ(KnownDumpName("49b163f7e57702bc939d642a18f591de55d92dae"), "Silver");
  EXPECT_EQ(KnownDumpName("f4cd194bdee0d04ca4eac29e09b8e4e9d818c133"), "Crystal 1.0");
  EXPECT_EQ(KnownDumpName("f2f52230b536214ef7c9924f483392993e226cfb"), "Crystal 1.1");
  EXPECT_EQ(KnownDumpName("a0fc810f1d4e124434f7be2c989ab5b5892ddf36"), "Crystal (Australia)");
  EXPECT_EQ(KnownDumpName("da39a3ee5e6b4b0d3255bfef95601890afd80709"), std::nullopt);
  EXPECT_EQ(KnownDumpName("D8B8A3600A465308C9953DFA04F0081C05BDCB94"), std::nullopt);
}

}  // namespace
