// The floor of `info` and `fix-checksum`: read the ROM and compute its SHA-1,
// its global checksum and the Stadium block's half-bank sums, each in one
// pass over the bytes, and print them.
#include <cstdio>

#include "cli_floors/floor_input.h"
#include "rom_io/checksum_math.h"
#include "rom_io/sha1.h"
#include "rom_io/stadium_checksums.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s ROM\n", argv[0]);
    return 2;
  }
  const RomBytes rom = ReadWholeFileOrExit(argv[1]);
  const size_t halfBank = rom.size() / HalfBankCount;
  uint16_t halves = 0;
  for (size_t at = 0; at + halfBank <= rom.size() && halfBank > 0; at += halfBank) {
    halves = static_cast<uint16_t>(halves ^ Sum16(0xFEFE, &rom[at], halfBank));
  }
  std::printf("%s global %04X halves %04X\n", Sha1Hex(rom).c_str(), Sum16(0, rom.data(), rom.size()), halves);
  return 0;
}
