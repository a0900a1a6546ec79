#pragma once

#include <cstdint>
#include <span>

#include "items/edition_table.h"
#include "rom_io/rom_bytes.h"

// The whole file at `path` with one open, one size query and one read, into
// the same memory the tool reads ROMs into, as the floor programs take their
// inputs; exits with a message when it cannot.
RomBytes ReadWholeFileOrExit(const char* path);

// The edition that the ROM's edition byte and game code name, or null.
const Edition* EditionOf(std::span<const uint8_t> rom);
