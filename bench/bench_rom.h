#pragma once

#include <string>

#include "items/edition_table.h"
#include "rom_builder.h"

// A 2 MiB Gold ROM of its own for one benchmark. It has just been written,
// so it sits in the page cache: the benchmarks time system calls, not a disk.
class BenchRom {
 public:
  BenchRom() { RomBuilder().WithEdition(TheEdition()).WriteTo(dir_.Path("rom.gbc")); }

  static const Edition& TheEdition() { return EditionTable[0]; }
  std::string Path() const { return dir_.Path("rom.gbc").string(); }
  std::string PathOf(const char* name) const { return dir_.Path(name).string(); }

 private:
  TempDir dir_;
};
