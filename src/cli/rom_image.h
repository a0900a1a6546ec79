#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

#include "items/item_image.h"
#include "rom_io/rom_header.h"
#include "rom_io/stadium_checksums.h"

// The header facts of the ROM image at `path`, read in one pass. Throws a
// CliError when the file cannot be read (file error) or is too short to hold
// a cartridge header (invalid input).
HeaderFacts ScanRomFile(const std::string& path);
// The same through a file already open at `path`.
HeaderFacts ScanRomFile(std::FILE* file, const std::string& path);

// The whole of the ROM file open as `file` at `path`, just opened, whose
// size was found to be `size`. Throws a CliError like ScanRomFile.
RomBytes ReadRomFile(std::FILE* file, const std::string& path, int64_t size);

// Throws a CliError (invalid input) unless `facts` describe a Game Boy ROM
// image, so that no other file is written into.
void RefuseNonGameBoyImage(const std::string& path, const HeaderFacts& facts);

// Throws a CliError (invalid input) when `image`, read from `path`, is a ROM
// cut short, so that nothing is shown of it or written into it.
void RefuseCutShort(const std::string& path, const ItemImage& image);

// The Stadium checksum blocks that the image's edition carries and the image
// holds; none when the edition is not supported.
StadiumBlocks StadiumBlocksOf(const ItemImage& image);
