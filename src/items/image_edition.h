#pragma once

#include <cstdint>
#include <span>

#include "items/edition_table.h"

// The edition whose byte and game code stand in the header of `rom`, a
// whole file in memory; null when none does or the file is too short.
const Edition* EditionOfImage(std::span<const uint8_t> rom);
