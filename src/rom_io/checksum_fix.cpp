#include "rom_io/checksum_fix.h"

#include <algorithm>
#include <memory>

#include "rom_io/file_path.h"
#include "rom_io/file_replacement.h"
#include "rom_io/rom_patch.h"

namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using OpenFile = std::unique_ptr<std::FILE, FileCloser>;

std::error_code ReadWholeFile(std::FILE* file, std::vector<uint8_t>& bytes) {
  constexpr size_t chunk = 1 << 16;
  size_t read = 0;
  do {
    bytes.resize(read + chunk);
    read += std::fread(bytes.data() + read, 1, chunk, file);
  } while (read == bytes.size());
  bytes.resize(read);
  return std::ferror(file) ? LastFileError() : std::error_code{};
}

// The checks the caller made were made on these bytes.
bool IsTheScannedImage(const std::vector<uint8_t>& rom, const HeaderFacts& facts) {
  return rom.size() == facts.size && rom.size() >= facts.header.size() &&
         std::equal(facts.header.begin(), facts.header.end(), rom.begin());
}

}  // namespace

ChecksumFix FixChecksums(const std::string& path, const HeaderFacts& facts, StadiumBlocks blocks, ChecksumWrite write) {
  ChecksumFix fix;
  // One handle reads and writes, so the bytes summed are the bytes written into.
  const OpenFile file(OpenCFile(path, write == ChecksumWrite::Write ? "r+b" : "rb"));
  if (!file) {
    fix.error = LastFileError();
    return fix;
  }
  std::vector<uint8_t> rom;
  if ((fix.error = ReadWholeFile(file.get(), rom))) return fix;
  if (!IsTheScannedImage(rom, facts)) {
    fix.changedSinceScan = true;
    return fix;
  }
  std::vector<uint8_t> fixed = rom;
  fix.refresh = RefreshChecksums(fixed, rom.size() == StadiumRomSize ? blocks : StadiumBlocks::None);
  if (write == ChecksumWrite::Write && fix.refresh.Changed()) fix.error = WriteChangedBytes(file.get(), rom, fixed);
  return fix;
}
