#include "rom_io/rom_header.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <utility>

#include "rom_io/checksum_math.h"
#include "rom_io/file_path.h"
#include "rom_io/file_replacement.h"
#include "rom_io/hex_functions.h"
#include "rom_io/sha1.h"

namespace {

// English releases whose item tables lie where the editor looks for them.
constexpr std::array<std::pair<std::string_view, std::string_view>, 5> kKnownDumps{{
    {"d8b8a3600a465308c9953dfa04f0081c05bdcb94", "Gold"},
    {"49b163f7e57702bc939d642a18f591de55d92dae", "Silver"},
    {"f4cd194bdee0d04ca4eac29e09b8e4e9d818c133", "Crystal 1.0"},
    {"f2f52230b536214ef7c9924f483392993e226cfb", "Crystal 1.1"},
    {"a0fc810f1d4e124434f7be2c989ab5b5892ddf36", "Crystal (Australia)"},
}};

constexpr size_t kPieceSize = size_t{64} * 1024;

// The byte of the largest cartridge; a larger one would shift past it.
constexpr uint8_t kLargestRomSizeByte = 8;
static_assert(static_cast<int64_t>(SmallestRomSize << kLargestRomSizeByte) == LargestRomSize);

std::string Printable(const std::vector<uint8_t>& header, size_t offset, size_t length) {
  size_t end = offset + length;
  while (end > offset && header[end - 1] == 0) --end;
  std::string text;
  for (size_t at = offset; at < end; ++at) {
    const uint8_t byte = header[at];
    text +=
        byte >= 0x20 && byte < 0x7F ? std::string(1, static_cast<char>(byte)) : "\\x" + HexFunctions::ByteToHex(byte);
  }
  return text;
}

// What the header bytes alone tell.
void TakeStoredChecksums(HeaderFacts& facts) {
  facts.headerStored = facts.header[HeaderChecksumOffset];
  facts.headerComputed = HeaderChecksum(facts.header);
  facts.globalStored =
      static_cast<uint16_t>(facts.header[GlobalChecksumOffset] << 8 | facts.header[GlobalChecksumOffset + 1]);
}

// Gathers every fact while the file streams past.
class FactGatherer {
 public:
  void Add(const uint8_t* bytes, size_t count) {
    for (size_t i = 0; i < count && size_ + i < HeaderEnd; ++i) facts_.header.push_back(bytes[i]);
    size_ += count;
    sum_ = Sum16(sum_, bytes, count);
    sha1_.Update(bytes, count);
  }

  std::optional<HeaderFacts> Facts() {
    if (size_ < HeaderEnd) return std::nullopt;
    facts_.size = size_;
    TakeStoredChecksums(facts_);
    // The checksum leaves out its own two bytes.
    facts_.globalComputed =
        static_cast<uint16_t>(sum_ - facts_.header[GlobalChecksumOffset] - facts_.header[GlobalChecksumOffset + 1]);
    facts_.sha1 = sha1_.HexDigest();
    return std::move(facts_);
  }

 private:
  HeaderFacts facts_;
  uint64_t size_ = 0;
  uint16_t sum_ = 0;
  Sha1 sha1_;
};

}  // namespace

std::string HeaderFacts::Title() const { return Printable(header, TitleOffset, TitleLength); }
std::string HeaderFacts::GameCode() const { return Printable(header, HeaderGameCodeOffset, HeaderGameCodeLength); }

RomScan ScanRom(const std::string& path) {
  const CFileHandle file(OpenCFile(path, "rb"));
  if (!file) return {std::nullopt, RomScanProblem::CannotRead, LastFileError()};
  return ScanRom(file.get());
}

RomScan ScanRom(std::FILE* file) {
  FactGatherer gatherer;
  std::vector<uint8_t> piece(kPieceSize);
  for (size_t read; (read = std::fread(piece.data(), 1, piece.size(), file)) > 0;) gatherer.Add(piece.data(), read);
  if (std::ferror(file)) return {std::nullopt, RomScanProblem::CannotRead, LastFileError()};
  auto facts = gatherer.Facts();
  if (!facts) return {std::nullopt, RomScanProblem::TooShortForHeader, {}};
  return {std::move(facts), RomScanProblem::None, {}};
}

HeaderFacts ReadHeader(std::span<const uint8_t> rom) {
  assert(rom.size() >= HeaderEnd);
  FactGatherer gatherer;
  // A piece at a time, so that the sum and the digest take each byte from the cache.
  for (size_t at = 0; at < rom.size(); at += kPieceSize) {
    gatherer.Add(rom.data() + at, std::min(kPieceSize, rom.size() - at));
  }
  return *gatherer.Facts();
}

HeaderFacts ReadHeaderBytes(std::span<const uint8_t> rom) {
  assert(rom.size() >= HeaderEnd);
  HeaderFacts facts;
  facts.header.assign(rom.begin(), rom.begin() + static_cast<std::ptrdiff_t>(HeaderEnd));
  facts.size = rom.size();
  TakeStoredChecksums(facts);
  return facts;
}

std::optional<int64_t> HeaderRomSize(std::span<const uint8_t> rom) {
  if (rom.size() <= RomSizeOffset || rom[RomSizeOffset] > kLargestRomSizeByte) return std::nullopt;
  return static_cast<int64_t>(SmallestRomSize << rom[RomSizeOffset]);
}

bool IsCutShort(std::span<const uint8_t> rom) {
  const std::optional<int64_t> whole = HeaderRomSize(rom);
  return whole && static_cast<int64_t>(rom.size()) < *whole;
}

uint8_t HeaderChecksum(std::span<const uint8_t> rom) {
  uint8_t sum = 0;
  for (size_t at = HeaderChecksumStart; at < HeaderChecksumOffset; ++at) sum = static_cast<uint8_t>(sum - rom[at] - 1);
  return sum;
}

uint16_t GlobalChecksum(std::span<const uint8_t> rom) {
  assert(rom.size() >= HeaderEnd);
  return static_cast<uint16_t>(Sum16(0, rom.data(), rom.size()) - rom[GlobalChecksumOffset] -
                               rom[GlobalChecksumOffset + 1]);
}

std::string ChecksumText(uint16_t value) {
  return "0x" + HexFunctions::ByteToHex(static_cast<uint8_t>(value >> 8)) +
         HexFunctions::ByteToHex(static_cast<uint8_t>(value & 0xFF));
}

std::string ChecksumText(uint8_t value) { return "0x" + HexFunctions::ByteToHex(value); }

std::optional<std::string_view> KnownDumpName(std::string_view sha1Hex) {
  for (const auto& [sha1, name] : kKnownDumps) {
    if (sha1 == sha1Hex) return name;
  }
  return std::nullopt;
}
