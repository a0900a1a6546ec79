#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "items/edition_table.h"

// The games' own text, as their item names use it.

// The text of `bytes`, one entry of the games' text table a byte; a byte
// with no entry shows as "<XX>" in hex.
std::string DecodeGameText(std::span<const uint8_t> bytes);

using RomItemNames = std::array<std::string, LastItem>;

// The 255 names from `offset` on, item 1 first, each ended by 0x50. Nothing
// when they do not all end within 12 bytes, inside the file and inside the
// bank the list starts in.
std::optional<RomItemNames> DecodeItemNames(std::span<const uint8_t> rom, int64_t offset);
