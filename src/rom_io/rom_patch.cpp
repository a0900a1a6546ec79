#include "rom_io/rom_patch.h"

#include <cassert>
#include <fstream>

#include "rom_io/file_replacement.h"

namespace {

std::error_code WritePatches(const std::filesystem::path& copy, const std::vector<BytePatch>& patches) {
  [[maybe_unused]] const uint64_t size = std::filesystem::file_size(copy);
  // In and out together: opening for output alone would truncate.
  std::fstream file(copy, std::ios::in | std::ios::out | std::ios::binary);
  for (const BytePatch& patch : patches) {
    assert(patch.offset + patch.bytes.size() <= size);
    file.seekp(static_cast<std::streamoff>(patch.offset));
    file.write(reinterpret_cast<const char*>(patch.bytes.data()), static_cast<std::streamsize>(patch.bytes.size()));
  }
  file.close();
  return file.fail() ? LastFileError() : std::error_code{};
}

}  // namespace

std::error_code PatchFile(const std::string& path, const std::vector<BytePatch>& patches) {
  return ReplaceFile(path, true, [&patches](const std::filesystem::path& copy) { return WritePatches(copy, patches); });
}
