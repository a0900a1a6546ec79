#include "rom_io/file_image.h"

#include <algorithm>

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

std::error_code FileHolds(std::FILE* file, const std::vector<uint8_t>& bytes, bool& holds) {
  std::vector<uint8_t> piece(1 << 16);
  size_t at = 0;
  holds = true;
  for (;;) {
    const size_t read = std::fread(piece.data(), 1, piece.size(), file);
    if (read == 0) break;
    if (read > bytes.size() - at || !std::equal(piece.begin(), piece.begin() + static_cast<std::ptrdiff_t>(read),
                                                bytes.begin() + static_cast<std::ptrdiff_t>(at))) {
      holds = false;
    }
    at = std::min(at + read, bytes.size());
  }
  if (std::ferror(file) != 0) return LastFileError();
  holds = holds && at == bytes.size();
  return {};
}
