#pragma once

#include <cstdio>
#include <string>
#include <system_error>
#include <span>

#include "rom_io/rom_header.h"
#include "rom_io/stadium_checksums.h"

// Brings every checksum of a ROM file up to date: the Stadium blocks that
// `blocks` names when the ROM is 2 MiB, then the global checksum.

struct ChecksumFix {
  ChecksumRefresh refresh;
  // Why the file could not be read or written. Only a failed write of the
  // checksums may leave some of them written.
  std::error_code error;
  bool changedSinceScan = false;  // the file changed size while it was read; nothing written
};

// `rom` is the whole file as just read through `file`, open for update. When
// a checksum changes, the changed checksum bytes are written into the file
// in place: nothing else is written, and its owner, mode and links stay.
ChecksumFix FixChecksumsIn(std::FILE* file, std::span<const uint8_t> rom, StadiumBlocks blocks);

// The global checksum alone, for a file too large to hold whole and so too
// large to carry Stadium blocks: `facts` come from ScanRom through `file`,
// open for update, and only the checksum's two bytes are written.
ChecksumFix FixGlobalChecksumIn(std::FILE* file, const HeaderFacts& facts);
