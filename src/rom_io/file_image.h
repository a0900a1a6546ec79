#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The whole of the regular file at `path`, read in one go. Nothing when it
// cannot be read or holds more than `limit` bytes, so that a stray large
// file never fills memory.
std::optional<std::vector<uint8_t>> ReadFileImage(const std::string& path, int64_t limit);
