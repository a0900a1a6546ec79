#pragma once

#include <string>
#include <system_error>

#include "rom_io/rom_header.h"
#include "rom_io/stadium_checksums.h"

// Brings every checksum of a ROM file up to date: the Stadium blocks that
// `blocks` names when the ROM is 2 MiB, then the global checksum.

enum class ChecksumWrite { Write, DryRun };

struct ChecksumFix {
  ChecksumRefresh refresh;
  std::error_code error;  // why the file could not be read or written; then nothing changed
};

// `facts` are the file's, from ScanRom. A file of another size is not read
// again, so its size does not matter. Writes only when a checksum changes,
// through a copy renamed over the file, touching no byte but the checksums'.
ChecksumFix FixChecksums(const std::string& path, const HeaderFacts& facts, StadiumBlocks blocks,
                         ChecksumWrite write = ChecksumWrite::Write);
