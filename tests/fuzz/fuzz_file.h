#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// One scratch file per fuzzing process, rewritten for every input. Kept in
// shared memory where there is some, so the file system is not the limit.
class FuzzFile {
 public:
  // `name` tells apart the files of one process.
  explicit FuzzFile(std::string_view name = "rom");
  ~FuzzFile();
  FuzzFile(const FuzzFile&) = delete;
  FuzzFile& operator=(const FuzzFile&) = delete;

  const std::string& Path() const { return path_; }
  void Reset(const std::vector<uint8_t>& bytes) const;
  std::vector<uint8_t> Bytes() const;

 private:
  std::string path_;
};

// Stops the fuzzer with a message when a property does not hold.
void Require(bool holds, const char* property);
