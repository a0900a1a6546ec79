#include "rom_io/rom_file.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <utility>

#include "rom_io/file_path.h"

namespace {

ByteWriter& InstalledWriter() {
  static ByteWriter writer;
  return writer;
}

class RomFileCategory : public std::error_category {
 public:
  const char* name() const noexcept override { return "rom file"; }
  std::string message(int) const override { return "Not a regular file"; }
};

std::error_code NotARegularFile() {
  static const RomFileCategory category;
  return {1, category};
}

// Opening is the only sure test of the rights; only regular files are tried,
// so that a FIFO cannot block.
std::error_code OpenProblem(const std::string& path, const char* mode) {
  std::error_code error;
  const auto status = std::filesystem::status(FilePath(path), error);
  if (error) return error;
  if (!std::filesystem::is_regular_file(status)) return NotARegularFile();
  errno = 0;
  std::FILE* file = OpenCFile(path, mode);
  if (file == nullptr) return {errno != 0 ? errno : EIO, std::generic_category()};
  std::fclose(file);
  return {};
}

}  // namespace

std::error_code ReadProblem(const std::string& path) { return OpenProblem(path, "rb"); }

std::error_code WriteProblem(const std::string& path) { return OpenProblem(path, "r+b"); }

std::optional<int64_t> RegularFileSize(const std::string& path) {
  if (path.empty()) return std::nullopt;
  std::error_code error;
  // One look at the file: the size is refused for a folder, a FIFO or a
  // device, so no separate test of the file's type is needed.
  const auto size = std::filesystem::file_size(FilePath(path), error);
  if (error) return std::nullopt;
  return static_cast<int64_t>(size);
}

bool OpensForWriting(const std::string& path) { return !WriteProblem(path); }

bool WriteOneByteToDisk(const std::string& path, int64_t offset, uint8_t value) {
  const auto size = RegularFileSize(path);
  if (!size || offset < 0 || offset >= *size) return false;
  // In and out together: opening for output alone would truncate or create.
  std::fstream file(FilePath(path), std::ios::in | std::ios::out | std::ios::binary);
  if (!file.is_open()) return false;
  file.seekp(offset);
  file.put(static_cast<char>(value));
  file.flush();
  const bool written = file.good();
  file.close();
  return written && !file.fail();
}

bool WriteOneByte(const std::string& path, int64_t offset, uint8_t value) {
  const ByteWriter& writer = InstalledWriter();
  return writer ? writer(path, offset, value) : WriteOneByteToDisk(path, offset, value);
}

void SetByteWriterForTesting(ByteWriter writer) { InstalledWriter() = std::move(writer); }
