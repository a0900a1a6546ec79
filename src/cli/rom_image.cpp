#include "cli/rom_image.h"

#include "cli/cli_error.h"
#include "exchange/file_access.h"
#include "rom_io/file_image.h"

namespace {

CliError TooShort(const std::string& path) {
  return InvalidInput(Quoted(path) + " is too short to hold a cartridge header.");
}

HeaderFacts FactsOf(RomScan scan, const std::string& path) {
  switch (scan.problem) {
    case RomScanProblem::None:
      return std::move(*scan.facts);
    case RomScanProblem::CannotRead:
      throw Refused(EditorProblem::CannotRead, FileDetails(path, scan.cause));
    case RomScanProblem::TooShortForHeader:
      break;
  }
  throw TooShort(path);
}

}  // namespace

HeaderFacts ScanRomFile(const std::string& path) {
  ReadableFileSize(path);
  return FactsOf(ScanRom(path), path);
}

HeaderFacts ScanRomFile(std::FILE* file, const std::string& path) { return FactsOf(ScanRom(file), path); }

RomBytes ReadRomFile(std::FILE* file, const std::string& path, int64_t size) {
  RomBytes bytes;
  if (const std::error_code cause = ReadRest(file, bytes, static_cast<size_t>(size))) {
    throw Refused(EditorProblem::CannotRead, FileDetails(path, cause));
  }
  if (bytes.size() < HeaderEnd) throw TooShort(path);
  return bytes;
}

void RefuseNonGameBoyImage(const std::string& path, const HeaderFacts& facts) {
  switch (facts.GameBoyImageProblem()) {
    case HeaderFacts::ImageProblem::None:
      return;
    case HeaderFacts::ImageProblem::TooSmall:
      throw InvalidInput(Quoted(path) + " is not a Game Boy ROM image: it holds " + std::to_string(facts.size) +
                         " bytes, fewer than the 32768 of the smallest cartridge.");
    case HeaderFacts::ImageProblem::HeaderChecksum:
      throw InvalidInput(Quoted(path) + " is not a Game Boy ROM image: its header checksum at 0x14D is " +
                         ChecksumText(facts.headerStored) + ", but its header bytes give " +
                         ChecksumText(facts.headerComputed) + ".");
  }
}

void RefuseCutShort(const std::string& path, const ItemImage& image) {
  if (image.Problem() == EditorProblem::CutShort) {
    throw InvalidInput(DescribeProblem(image.Problem(), image.Details(path)));
  }
}

StadiumBlocks StadiumBlocksOf(const ItemImage& image) {
  const Edition* edition = image.RomEdition();
  if (edition == nullptr) return StadiumBlocks::None;
  return StadiumBlocksIn(image.Bytes(), edition->stadiumBaseBlock ? StadiumBlocks::WithBase : StadiumBlocks::N64Only);
}
