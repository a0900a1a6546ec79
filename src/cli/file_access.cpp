#include "cli/file_access.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "cli/cli_error.h"
#include "rom_io/file_path.h"
#include "rom_io/rom_file.h"

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

int64_t ReadableFileSize(const std::string& path) {
  // Only regular files: a FIFO or a device would block or never end.
  const auto size = RegularFileSize(path);
  if (!size) {
    std::error_code ignored;
    const bool exists = std::filesystem::exists(FilePath(path), ignored);
    throw FileError("Cannot read " + Quoted(path) + (exists ? ": it is not a file." : ": there is no such file."));
  }
  if (!std::ifstream(FilePath(path), std::ios::binary).is_open()) {
    throw FileError("Cannot read " + Quoted(path) + ": the file cannot be opened.");
  }
  return *size;
}

std::vector<uint8_t> ReadWholeFile(const std::string& path) {
  const std::string text = ReadTextFile(path);
  return {text.begin(), text.end()};
}

std::string ReadTextFile(const std::string& path) {
  ReadableFileSize(path);
  std::ifstream file(FilePath(path), std::ios::binary);
  std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  if (file.bad()) throw FileError("Cannot read " + Quoted(path) + ".");
  return text;
}

void WriteTextFile(const std::string& path, const std::string& text) {
  std::ofstream file(FilePath(path), std::ios::binary | std::ios::trunc);
  file << text;
  file.close();
  if (file.fail()) throw FileError("Cannot write " + Quoted(path) + ".");
}
