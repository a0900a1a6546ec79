#include "rom_io/checksum_fix.h"

#include <algorithm>

#include "rom_io/file_image.h"
#include "rom_io/file_path.h"
#include "rom_io/file_replacement.h"
#include "rom_io/rom_patch.h"

namespace {

// The checks the caller made were made on these bytes.
bool IsTheScannedImage(std::span<const uint8_t> rom, const HeaderFacts& facts) {
  return rom.size() == facts.size && rom.size() >= facts.header.size() &&
         std::equal(facts.header.begin(), facts.header.end(), rom.begin());
}

}  // namespace

ChecksumFix FixChecksums(const std::string& path, const HeaderFacts& facts, StadiumBlocks blocks, ChecksumWrite write) {
  ChecksumFix fix;
  // One handle reads and writes, so the bytes summed are the bytes written into.
  const CFileHandle file(OpenCFile(path, write == ChecksumWrite::Write ? "r+b" : "rb"));
  if (!file) {
    fix.error = LastFileError();
    return fix;
  }
  RomBytes rom;
  if ((fix.error = ReadRest(file.get(), rom))) return fix;
  if (!IsTheScannedImage(rom, facts)) {
    fix.changedSinceScan = true;
    return fix;
  }
  return FixChecksumsIn(file.get(), rom, blocks, write);
}

ChecksumFix FixChecksumsIn(std::FILE* file, std::span<const uint8_t> rom, StadiumBlocks blocks,
                           ChecksumWrite write) {
  ChecksumFix fix;
  RomBytes fixed(rom.begin(), rom.end());
  fix.refresh = RefreshChecksums(fixed, blocks);
  if (write == ChecksumWrite::Write && fix.refresh.Changed()) fix.error = WriteChangedBytes(file, rom, fixed);
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
