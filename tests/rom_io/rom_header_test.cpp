#include "rom_io/rom_header.h"

#include <gtest/gtest.h>

#include "rom_builder.h"
#include "rom_io/sha1.h"

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

TEST(RomHeader, TitleAndGameCodeStandApart) {
  std::vector<uint8_t> rom(HeaderEnd, 0);
  const std::string title = "POKEMON_GLDAAUE";
  std::copy(title.begin(), title.end(), rom.begin() + TitleOffset);
  rom[TitleOffset + 15] = 0x80;
  EXPECT_EQ(ReadHeader(rom).Title(), "POKEMON_GLD");
  EXPECT_EQ(ReadHeader(rom).GameCode(), "AAUE");
  // Trailing NULs are padding; others and unprintable bytes show as escapes.
  rom[TitleOffset + 4] = 0x00;
  rom[TitleOffset + 9] = 0x00;
  rom[TitleOffset + 10] = 0x00;
  rom[HeaderGameCodeOffset + 1] = 0x7F;
  EXPECT_EQ(ReadHeader(rom).Title(), "POKE\\x00ON_G");
  EXPECT_EQ(ReadHeader(rom).GameCode(), "A\\x7FUE");
}

// One pass over the file gives what the image in memory gives, whatever its
// length against the pieces it is read in.
TEST(RomHeader, ScanningAFileGivesTheFactsOfItsImage) {
  TempDir dir;
  for (size_t size : {size_t{HeaderEnd}, size_t{0x8000}, size_t{0x10000 + 0x151}, RomBuilder::TwoMiB}) {
    const auto path = dir.Path("rom.gbc");
    const RomBuilder rom(size, static_cast<uint32_t>(size));
    rom.WriteTo(path);
    const RomScan scan = ScanRom(path.string());
    ASSERT_TRUE(scan.facts) << size;
    const HeaderFacts expected = ReadHeader(rom.Bytes());
    EXPECT_EQ(scan.facts->size, size);
    EXPECT_EQ(scan.facts->header, expected.header);
    EXPECT_EQ(scan.facts->globalComputed, GlobalChecksum(rom.Bytes()));
    EXPECT_EQ(scan.facts->sha1, Sha1Hex(rom.Bytes()));
  }
  RomBuilder(HeaderEnd - 1).WriteTo(dir.Path("short.gbc"));
  EXPECT_EQ(ScanRom(dir.Path("short.gbc").string()).problem, RomScanProblem::TooShortForHeader);
  const RomScan missing = ScanRom(dir.Path("missing.gbc").string());
  EXPECT_EQ(missing.problem, RomScanProblem::CannotRead);
  EXPECT_EQ(missing.cause, std::errc::no_such_file_or_directory);
}

TEST(RomHeader, TheHeaderBytesAloneGiveTheFactsThatNeedNoWholePass) {
  const std::vector<uint8_t> rom = RomBuilder(0x8000, 3).WithHeaderChecksum().Bytes();
  const HeaderFacts whole = ReadHeader(rom);
  const HeaderFacts header = ReadHeaderBytes(rom);
  EXPECT_EQ(header.header, whole.header);
  EXPECT_EQ(header.size, whole.size);
  EXPECT_EQ(header.headerStored, whole.headerStored);
  EXPECT_EQ(header.headerComputed, whole.headerComputed);
  EXPECT_EQ(header.globalStored, whole.globalStored);
  EXPECT_EQ(header.GameBoyImageProblem(), whole.GameBoyImageProblem());
}

TEST(RomHeader, AGameBoyImageHasTwoBanksAndAHeaderThatChecks) {
  using Problem = HeaderFacts::ImageProblem;
  EXPECT_EQ(ReadHeader(RomBuilder(SmallestRomSize).WithHeaderChecksum().Bytes()).GameBoyImageProblem(), Problem::None);
  EXPECT_EQ(ReadHeader(RomBuilder(SmallestRomSize - 1).WithHeaderChecksum().Bytes()).GameBoyImageProblem(),
            Problem::TooSmall);
  RomBuilder broken(SmallestRomSize);
  broken.WithHeaderChecksum().WithByte(TitleOffset, static_cast<uint8_t>(broken.Bytes()[TitleOffset] + 1));
  EXPECT_EQ(ReadHeader(broken.Bytes()).GameBoyImageProblem(), Problem::HeaderChecksum);
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
