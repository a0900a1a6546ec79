#pragma once

#include <cstdint>
#include <cstdio>
#include <optional>
#include <span>
#include <string>
#include <system_error>

#include "rom_io/rom_bytes.h"

// The whole of the regular file at `path`, read in one go. Nothing when it
// cannot be read or holds more than `limit` bytes, so that a stray large
// file never fills memory.
std::optional<RomBytes> ReadFileImage(const std::string& path, int64_t limit);

// Whether `file`, read from where it stands to its end, holds exactly
// `bytes`; the system's reason when a read fails. Reads a piece at a time,
// so that no second copy of the file is held.
std::error_code FileHolds(std::FILE* file, std::span<const uint8_t> bytes, bool& holds);

// The rest of an open file, from where it stands; the system's reason when
// a read fails. `expected`, the size it likely has, is read straight into
// place, so that the buffer is never moved.
std::error_code ReadRest(std::FILE* file, RomBytes& bytes, size_t expected = 0);
