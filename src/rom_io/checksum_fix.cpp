#include "rom_io/checksum_fix.h"

#include "rom_io/rom_bytes.h"
#include "rom_io/rom_patch.h"

ChecksumFix FixChecksumsIn(std::FILE* file, std::span<const uint8_t> rom, StadiumBlocks blocks) {
  ChecksumFix fix;
  RomBytes fixed(rom.begin(), rom.end());
  fix.refresh = RefreshChecksums(fixed, blocks);
  if (fix.refresh.Changed()) fix.error = WriteChangedBytes(file, rom, fixed);
  return fix;
}

ChecksumFix FixGlobalChecksumIn(std::FILE* file, const HeaderFacts& facts) {
  ChecksumFix fix;
  fix.refresh.globalBefore = facts.globalStored;
  fix.refresh.globalAfter = facts.globalComputed;
  if (!fix.refresh.Changed()) return fix;
  std::vector<uint8_t> fixed = facts.header;
  fixed[GlobalChecksumOffset] = static_cast<uint8_t>(facts.globalComputed >> 8);
  fixed[GlobalChecksumOffset + 1] = static_cast<uint8_t>(facts.globalComputed & 0xFF);
  fix.error = WriteChangedBytes(file, facts.header, fixed);
  return fix;
}
