#include "items/image_edition.h"

#include <string>

#include "rom_io/hex_functions.h"

const Edition* EditionOfImage(std::span<const uint8_t> rom) {
  const auto editionByte = static_cast<size_t>(EditionByteOffset);
  const auto codeStart = static_cast<size_t>(GameCodeOffset);
  if (rom.size() < codeStart + GameCodeLength) return nullptr;
  const std::string gameCode(rom.begin() + static_cast<std::ptrdiff_t>(codeStart),
                             rom.begin() + static_cast<std::ptrdiff_t>(codeStart + GameCodeLength));
  return FindEdition(HexFunctions::ByteToHex(rom[editionByte]), gameCode);
}
