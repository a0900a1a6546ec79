#include "cli/rom_image.h"

#include "cli/cli_error.h"
#include "cli/file_access.h"
#include "items/rom_item_editor.h"
#include "rom_io/file_image.h"

HeaderFacts ScanRomFile(const std::string& path) {
  ReadableFileSize(path);
  RomScan scan = ScanRom(path);
  switch (scan.problem) {
    case RomScanProblem::None:
      return std::move(*scan.facts);
    case RomScanProblem::CannotRead:
      throw FileError(CannotMessage("read", path, scan.cause));
    case RomScanProblem::TooShortForHeader:
      break;
  }
  throw InvalidInput(Quoted(path) + " is too short to hold a cartridge header.");
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

StadiumBlocks StadiumBlocksOf(const std::string& path) {
  RomItemEditor editor;
  editor.OpenRom(path);
  const Edition* edition = editor.OpenEdition();
  const auto image = ReadFileImage(path, StadiumRomSize);
  if (edition == nullptr || !image) return StadiumBlocks::None;
  return StadiumBlocksIn(*image, edition->stadiumBaseBlock ? StadiumBlocks::WithBase : StadiumBlocks::N64Only);
}
