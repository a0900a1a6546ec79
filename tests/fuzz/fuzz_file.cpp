#include "fuzz_file.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>

FuzzFile::FuzzFile() {
  const std::filesystem::path shm("/dev/shm");
  const auto folder = std::filesystem::is_directory(shm) ? shm : std::filesystem::temp_directory_path();
  path_ = (folder / ("kestrune-fuzz-" + std::to_string(getpid()) + ".gbc")).string();
}

FuzzFile::~FuzzFile() {
  std::error_code ignored;
  std::filesystem::remove(path_, ignored);
}

void FuzzFile::Reset(const std::vector<uint8_t>& bytes) const {
  std::ofstream file(path_, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::vector<uint8_t> FuzzFile::Bytes() const {
  std::ifstream file(path_, std::ios::binary);
  std::vector<uint8_t> bytes(std::filesystem::file_size(path_));
  file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return bytes;
}

void Require(bool holds, const char* property) {
  if (holds) return;
  std::fprintf(stderr, "property broken: %s\n", property);
  std::abort();
}
