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

// The rest of an open file, from where it stands; the system's reason when
// a read fails.
std::error_code ReadRest(std::FILE* file, std::vector<uint8_t>& bytes);
