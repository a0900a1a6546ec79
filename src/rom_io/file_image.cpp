#include "rom_io/file_image.h"

#include <algorithm>
#include <cstdio>

#include "rom_io/file_path.h"
#include "rom_io/file_replacement.h"
#include "rom_io/rom_file.h"

std::optional<std::vector<uint8_t>> ReadFileImage(const std::string& path, int64_t limit) {
  const auto size = RegularFileSize(path);
  if (!size || *size > limit) return std::nullopt;
  const CFileHandle file(OpenCFile(path, "rb"));
  std::vector<uint8_t> bytes;
  // The file may have grown since its size was taken.
  if (!file || ReadRest(file.get(), bytes, static_cast<size_t>(*size)) || static_cast<int64_t>(bytes.size()) > limit) {
    return std::nullopt;
  }
  return bytes;
}

std::error_code ReadRest(std::FILE* file, std::vector<uint8_t>& bytes, size_t expected) {
  constexpr size_t chunk = 1 << 16;
  // Room for one piece past the end, so that the buffer is never moved.
  bytes.reserve(expected + chunk);
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
