#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "items/file_span.h"

// The room of texts that take `used`, from their first byte to the 0x50 that
// ends the last. Where they start at the release's place and every byte
// after them to the end of the release's room `release` is 0x50, as a
// shortened text leaves it, the room is the release's: what a text gave up
// in one command, a longer one may take in the next. Elsewhere the texts
// may have moved, and nothing proves what follows them is theirs.
FileSpan TextRoom(std::span<const uint8_t> rom, const FileSpan& used, const std::optional<FileSpan>& release);
