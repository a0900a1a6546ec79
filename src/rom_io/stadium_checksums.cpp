#include "rom_io/stadium_checksums.h"

#include <algorithm>
#include <cassert>
#include <string>
#include <string_view>

#include "rom_io/checksum_math.h"
#include "rom_io/crystal_bank_crcs.h"
#include "rom_io/rom_header.h"

namespace {

constexpr size_t kBankSize = 0x4000;
constexpr size_t kHalfBankSize = 0x2000;
constexpr size_t kBaseBlockSize = 24;
constexpr size_t kBaseCrcOffset = BaseBlockOffset + 6;
constexpr size_t kBankFlagsOffset = BaseBlockOffset + 8;
constexpr size_t kN64CrcOffset = N64BlockOffset + 6;
constexpr uint16_t kBaseCrcStart = 0xACDE;
constexpr uint16_t kCrcStart = 0xFEFE;
constexpr uint16_t kHalfBankSumStart = 0xFEFE;
constexpr std::string_view kBaseOpening = "base";
constexpr std::string_view kN64Opening = "N64PS3";

bool OpensWith(std::span<const uint8_t> rom, size_t offset, std::string_view opening) {
  return offset + opening.size() <= rom.size() &&
         std::equal(opening.begin(), opening.end(), rom.begin() + static_cast<std::ptrdiff_t>(offset));
}

void PutBigEndian(std::span<uint8_t> rom, size_t offset, uint16_t value) {
  rom[offset] = static_cast<uint8_t>(value >> 8);
  rom[offset + 1] = static_cast<uint8_t>(value & 0xFF);
}

uint16_t BigEndianAt(std::span<const uint8_t> rom, size_t offset) {
  return static_cast<uint16_t>(rom[offset] << 8 | rom[offset + 1]);
}

// The block's opening text and marker bytes, then zeros up to `end`.
void ResetBlock(std::span<uint8_t> rom, size_t offset, std::string_view opening, size_t end) {
  std::fill(rom.begin() + static_cast<std::ptrdiff_t>(offset), rom.begin() + static_cast<std::ptrdiff_t>(end), 0);
  std::copy(opening.begin(), opening.end(), rom.begin() + static_cast<std::ptrdiff_t>(offset));
}

// Crystal's flags: bit j of byte i is set when bank 8i + j is as in the clean ROM.
void WriteBaseBlock(std::span<uint8_t> rom) {
  using namespace std::string_literals;
  ResetBlock(rom, BaseBlockOffset, std::string(kBaseOpening) + "\x01\x00"s, BaseBlockOffset + kBaseBlockSize);
  for (size_t bank = 0; bank < CleanCrystalBankCrcs.size(); ++bank) {
    if (Crc16(kCrcStart, &rom[bank * kBankSize], kBankSize) == CleanCrystalBankCrcs[bank]) {
      rom[kBankFlagsOffset + bank / 8] |= static_cast<uint8_t>(1 << (bank % 8));
    }
  }
  PutBigEndian(rom, kBaseCrcOffset, Crc16(kBaseCrcStart, &rom[BaseBlockOffset], kBaseBlockSize));
}

// Each sum is written before the next is taken, so the last half-bank's
// sum covers the 255 before it.
void WriteN64Block(std::span<uint8_t> rom) {
  ResetBlock(rom, N64BlockOffset, kN64Opening, StadiumRomSize);
  for (size_t half = 0; half < HalfBankCount; ++half) {
    const uint16_t sum = Sum16(kHalfBankSumStart, &rom[half * kHalfBankSize], kHalfBankSize);
    PutBigEndian(rom, HalfBankSumsOffset + 2 * half, sum);
  }
  PutBigEndian(rom, kN64CrcOffset, Crc16(kCrcStart, &rom[HalfBankSumsOffset], 2 * HalfBankCount));
}

// `tail` holds the ROM's bytes from `start` on as they were before.
int ChangedSums(std::span<const uint8_t> tail, size_t start, std::span<const uint8_t> after) {
  int changed = 0;
  for (size_t half = 0; half < HalfBankCount; ++half) {
    const size_t at = HalfBankSumsOffset + 2 * half;
    if (BigEndianAt(tail, at - start) != BigEndianAt(after, at)) ++changed;
  }
  return changed;
}

}  // namespace

StadiumBlocks StadiumBlocksIn(std::span<const uint8_t> rom, StadiumBlocks carried) {
  if (rom.size() != StadiumRomSize || !OpensWith(rom, N64BlockOffset, kN64Opening)) return StadiumBlocks::None;
  if (carried == StadiumBlocks::WithBase && !OpensWith(rom, BaseBlockOffset, kBaseOpening)) return StadiumBlocks::None;
  return carried;
}

size_t StadiumBlocksStart(StadiumBlocks blocks) {
  return blocks == StadiumBlocks::WithBase ? BaseBlockOffset : N64BlockOffset;
}

ChecksumRefresh RefreshChecksums(std::span<uint8_t> rom, StadiumBlocks blocks) {
  assert(rom.size() >= HeaderEnd);
  if (rom.size() != StadiumRomSize) blocks = StadiumBlocks::None;
  ChecksumRefresh refresh;
  refresh.globalBefore = BigEndianAt(rom, GlobalChecksumOffset);
  // Only the blocks change, so only they are kept to compare.
  const size_t start = StadiumBlocksStart(blocks);
  const std::vector<uint8_t> tail =
      blocks == StadiumBlocks::None ? std::vector<uint8_t>{}
                                    : std::vector<uint8_t>(rom.begin() + static_cast<std::ptrdiff_t>(start), rom.end());
  PutBigEndian(rom, GlobalChecksumOffset, 0);
  if (blocks == StadiumBlocks::WithBase) WriteBaseBlock(rom);
  if (blocks != StadiumBlocks::None) {
    WriteN64Block(rom);
    refresh.blocksChanged = !std::equal(tail.begin(), tail.end(), rom.begin() + static_cast<std::ptrdiff_t>(start));
    refresh.halfBanksChanged = ChangedSums(tail, start, rom);
  }
  refresh.globalAfter = GlobalChecksum(rom);
  PutBigEndian(rom, GlobalChecksumOffset, refresh.globalAfter);
  return refresh;
}
