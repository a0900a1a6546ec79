#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// The checksum blocks at the end of a 2 MiB Gold, Silver or Crystal ROM,
// which the N64 Stadium game reads to check a cartridge: the "N64PS3" block
// of half-bank sums in all three, and in Crystal also the "base" block of
// bank flags. The game's own build rewrites them after every change, so an
// edited ROM must too to stay byte-identical to a rebuilt one.

inline constexpr size_t StadiumRomSize = 0x200000;
inline constexpr size_t BaseBlockOffset = 0x1FFDE0;
inline constexpr size_t N64BlockOffset = 0x1FFDF8;
inline constexpr size_t HalfBankSumsOffset = 0x1FFE00;
inline constexpr size_t HalfBankCount = 256;

enum class StadiumBlocks { None, N64Only, WithBase };

// The blocks that `carried` names, where `rom` holds them: each block
// begins with its opening text ("N64PS3", and Crystal's "base"). A ROM
// without them, a hack that uses the space for something else, has none.
StadiumBlocks StadiumBlocksIn(std::span<const uint8_t> rom, StadiumBlocks carried);

// What bringing the checksums up to date changes.
struct ChecksumRefresh {
  uint16_t globalBefore = 0, globalAfter = 0;
  int halfBanksChanged = 0;    // entries of the N64PS3 block's sum table
  bool blocksChanged = false;  // any byte of the Stadium blocks

  bool Changed() const { return globalBefore != globalAfter || blocksChanged; }
};

// Rewrites, in this order, the global checksum as zero, the blocks that
// `blocks` names (a ROM of another size has none) and the global checksum,
// since each step covers the bytes written before it.
ChecksumRefresh RefreshChecksums(std::span<uint8_t> rom, StadiumBlocks blocks);

// The bytes from here to the end of the ROM hold the blocks.
size_t StadiumBlocksStart(StadiumBlocks blocks);
