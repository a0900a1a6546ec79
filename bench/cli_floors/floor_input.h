#pragma once

#include <cstdint>
#include <vector>

#include "items/edition_table.h"

// The whole file at `path` with one open, one size query and one read, as
// the floor programs take their inputs; exits with a message when it cannot.
std::vector<uint8_t> ReadWholeFileOrExit(const char* path);

// The edition that the ROM's edition byte and game code name, or null.
const Edition* EditionOf(const std::vector<uint8_t>& rom);
