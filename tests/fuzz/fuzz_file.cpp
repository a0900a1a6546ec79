#include "fuzz_file.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "rom_builder.h"

FuzzFile::FuzzFile(std::string_view name) {
  const std::filesystem::path shm("/dev/shm");
  const auto folder = std::filesystem::is_directory(shm) ? shm : std::filesystem::temp_directory_path();
  path_ = (folder / ("kestrune-fuzz-" + std::to_string(getpid()) + "-" + std::string(name) + ".gbc")).string();
}

FuzzFile::~FuzzFile() {
  std::error_code ignored;
  std::filesystem::remove(path_, ignored);
}

void FuzzFile::Reset(const std::vector<uint8_t>& bytes) const { WriteFileBytes(path_, bytes); }

std::vector<uint8_t> FuzzFile::Bytes() const { return ReadFileBytes(path_); }

void Require(bool holds, const char* property) {
  if (holds) return;
  std::fprintf(stderr, "property broken: %s\n", property);
  std::abort();
}
