#pragma once

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

// The whole of the regular file at `path`, read in one go. Nothing when it
// cannot be read or holds more than `limit` bytes, so that a stray large
// file never fills memory.
std::optional<std::vector<uint8_t>> ReadFileImage(const std::string& path, int64_t limit);

// Everything from where `file` stands to its end, through the open handle,
// room for `expected` bytes made at once; the system's reason when a read
// fails.
std::error_code ReadWholeFile(std::FILE* file, std::vector<uint8_t>& bytes, size_t expected = 0);
