#pragma once

#include <cstdint>
#include <string>
#include <system_error>
#include <vector>

// Bytes to put at an offset that lies inside the file.
struct BytePatch {
  uint64_t offset = 0;
  std::vector<uint8_t> bytes;
};

// Writes every patch into a copy of the file at `path`, renamed over it only
// when all are written, so that a failure leaves the file as it was. The
// file keeps its length.
std::error_code PatchFile(const std::string& path, const std::vector<BytePatch>& patches);
