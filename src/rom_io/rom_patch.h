#pragma once

#include <cstdint>
#include <cstdio>
#include <system_error>
#include <span>

// Writes into `file`, open for update, the bytes at which `after` differs
// from `before`, a run of neighbouring bytes at a time, and makes them reach
// the disk. Both hold the file's content from its start, the whole or its
// first part, so its length stays; the file is written in place, keeping
// its owner, mode and links.
std::error_code WriteChangedBytes(std::FILE* file, std::span<const uint8_t> before,
                                  std::span<const uint8_t> after);
