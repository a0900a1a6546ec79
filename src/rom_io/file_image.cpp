#include "rom_io/file_image.h"

#include <algorithm>
#include <cstdio>

#include "rom_io/file_path.h"
#include "rom_io/file_replacement.h"
#include "rom_io/rom_file.h"

std::optional<RomBytes> ReadFileImage(const std::string& path, int64_t limit) {
  const auto size = RegularFileSize(path);
  if (!size || *size > limit) return std::nullopt;
  const CFileHandle file(OpenCFile(path, "rb"));
  RomBytes bytes;
  // The file may have grown since its size was taken.
  if (!file || ReadRest(file.get(), bytes, static_cast<size_t>(*size)) || static_cast<int64_t>(bytes.size()) > limit) {
    return std::nullopt;
  }
  return bytes;
}

std::error_code ReadRest(std::FILE* file, RomBytes& bytes, size_t expected) {
  constexpr size_t chunk = 1 << 16;
  bytes.resize(expected);
  size_t read = std::fread(bytes.data(), 1, expected, file);
  // A file that has grown since its size was taken is read on, a piece at a time.
  for (int next; read == bytes.size() && (next = std::fgetc(file)) != EOF;) {
    bytes.push_back(static_cast<uint8_t>(next));
    bytes.resize(bytes.size() + chunk);
    read += 1 + std::fread(bytes.data() + read + 1, 1, chunk, file);
  }
  bytes.resize(read);
  return std::ferror(file) != 0 ? LastFileError() : std::error_code{};
}

std::error_code FileHolds(std::FILE* file, std::span<const uint8_t> bytes, bool& holds) {
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
