#pragma once

#include <string>

#include "rom_io/rom_header.h"
#include "rom_io/stadium_checksums.h"

// The header facts of the ROM image at `path`, read in one pass. Throws a
// CliError when the file cannot be read (file error) or is too short to hold
// a cartridge header (invalid input).
HeaderFacts ScanRomFile(const std::string& path);

// Throws a CliError (invalid input) unless `facts` describe a Game Boy ROM
// image, so that no other file is written into.
void RefuseNonGameBoyImage(const std::string& path, const HeaderFacts& facts);

// The Stadium checksum blocks that the ROM's edition carries and the ROM
// holds; none when the edition is not supported.
StadiumBlocks StadiumBlocksOf(const std::string& path);
