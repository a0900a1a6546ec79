#include "rom_io/rom_patch.h"

#include <cassert>

#include "rom_io/file_path.h"
#include "rom_io/file_replacement.h"

namespace {

bool WriteRun(std::FILE* file, std::span<const uint8_t> bytes, size_t offset, size_t end) {
  return std::fseek(file, static_cast<long>(offset), SEEK_SET) == 0 &&
         std::fwrite(bytes.data() + offset, 1, end - offset, file) == end - offset;
}

}  // namespace

std::error_code WriteChangedBytes(std::FILE* file, std::span<const uint8_t> before,
                                  std::span<const uint8_t> after) {
  assert(before.size() == after.size());
  size_t offset = 0;
  while (offset < after.size()) {
    if (before[offset] == after[offset]) {
      ++offset;
      continue;
    }
    size_t end = offset;
    while (end < after.size() && before[end] != after[end]) ++end;
    if (!WriteRun(file, after, offset, end)) return LastFileError();
    offset = end;
  }
  return SyncCFile(file) ? std::error_code{} : LastFileError();
}
