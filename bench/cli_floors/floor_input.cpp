#include "cli_floors/floor_input.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "items/image_edition.h"

RomBytes ReadWholeFileOrExit(const char* path) {
  const int file = open(path, O_RDONLY | O_CLOEXEC);
  struct stat status {};
  if (file < 0 || fstat(file, &status) != 0) {
    std::perror(path);
    std::exit(3);
  }
  RomBytes bytes(static_cast<size_t>(status.st_size));
  const ssize_t read = pread(file, bytes.data(), bytes.size(), 0);
  close(file);
  if (read != static_cast<ssize_t>(bytes.size())) {
    std::perror(path);
    std::exit(3);
  }
  return bytes;
}

const Edition* EditionOf(std::span<const uint8_t> rom) {
  if (rom.size() < static_cast<size_t>(GameCodeOffset + GameCodeLength)) return nullptr;
  char byte[3];
  std::snprintf(byte, sizeof byte, "%02X", rom[EditionByteOffset]);
  return FindEdition(byte, std::string(rom.begin() + GameCodeOffset, rom.begin() + GameCodeOffset + GameCodeLength));
}
