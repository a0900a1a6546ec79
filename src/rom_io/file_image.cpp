#include "rom_io/file_image.h"

#include <cstdio>

#include "rom_io/file_path.h"
#include "rom_io/file_replacement.h"
#include "rom_io/rom_file.h"

std::optional<std::vector<uint8_t>> ReadFileImage(const std::string& path, int64_t limit) {
  const auto size = RegularFileSize(path);
  if (!size || *size > limit) return std::nullopt;
  std::FILE* file = OpenCFile(path, "rb");
  if (file == nullptr) return std::nullopt;
  // One byte more than expected, to see a file that grew since its size was taken.
  std::vector<uint8_t> bytes(static_cast<size_t>(*size) + 1);
  const size_t read = std::fread(bytes.data(), 1, bytes.size(), file);
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed || static_cast<int64_t>(read) > limit) return std::nullopt;
  bytes.resize(read);
  return bytes;
}

std::error_code ReadRest(std::FILE* file, std::vector<uint8_t>& bytes) {
  constexpr size_t chunk = 1 << 16;
  size_t read = 0;
  do {
    bytes.resize(read + chunk);
    read += std::fread(bytes.data() + read, 1, chunk, file);
  } while (read == bytes.size());
  bytes.resize(read);
  return std::ferror(file) != 0 ? LastFileError() : std::error_code{};
}
