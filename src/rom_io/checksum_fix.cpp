#include "rom_io/checksum_fix.h"

#include <fstream>

#include "rom_io/file_replacement.h"
#include "rom_io/rom_patch.h"

namespace {

std::error_code ReadWholeFile(const std::string& path, std::vector<uint8_t>& bytes) {
  std::ifstream file(path, std::ios::binary);
  file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return file.gcount() == static_cast<std::streamsize>(bytes.size()) ? std::error_code{} : LastFileError();
}

BytePatch PatchOf(const std::vector<uint8_t>& rom, size_t offset, size_t end) {
  return {offset, {rom.begin() + static_cast<std::ptrdiff_t>(offset), rom.begin() + static_cast<std::ptrdiff_t>(end)}};
}

}  // namespace

ChecksumFix FixChecksums(const std::string& path, const HeaderFacts& facts, StadiumBlocks blocks, ChecksumWrite write) {
  if (facts.size != StadiumRomSize) blocks = StadiumBlocks::None;
  ChecksumFix fix;
  std::vector<BytePatch> patches;
  if (blocks == StadiumBlocks::None) {
    fix.refresh = {facts.globalStored, facts.globalComputed, 0, false};
    patches.push_back(
        {GlobalChecksumOffset,
         {static_cast<uint8_t>(facts.globalComputed >> 8), static_cast<uint8_t>(facts.globalComputed & 0xFF)}});
  } else {
    std::vector<uint8_t> rom(StadiumRomSize);
    if ((fix.error = ReadWholeFile(path, rom))) return fix;
    fix.refresh = RefreshChecksums(rom, blocks);
    patches.push_back(PatchOf(rom, GlobalChecksumOffset, GlobalChecksumOffset + 2));
    patches.push_back(PatchOf(rom, StadiumBlocksStart(blocks), StadiumRomSize));
  }
  if (write == ChecksumWrite::Write && fix.refresh.Changed()) fix.error = PatchFile(path, patches);
  return fix;
}
